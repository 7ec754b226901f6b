// Showing a 32-bit surface in a window: the renderer and the streaming texture behind a present.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"
#include "media/sdl/SdlHandles.h"

#include <string>

namespace sixdice::media::sdl {

// The one place where drawn pixels reach a window. Everything is drawn in surface pixels; the
// texture is copied onto the whole window, so an enlarged window (a display scale) would show the
// surface enlarged without any change to the drawing.
class SdlPresenter {
public:
    // Creates the window's renderer: accelerated (with vsync when asked) unless
    // `softwareRenderer`, and software when nothing better exists; where no renderer can be made
    // at all, frames are copied onto the window's own surface. In headless mode a present does
    // everything but the final flip.
    SdlPresenter(SDL_Window* window, bool headless, bool softwareRenderer, bool vsync);
    // Empty when frames can be shown, else the failure's text.
    const std::string& Failure() const { return failure_; }

    // Makes the texture anew for frames of this size; false (reported) when it cannot.
    bool Prepare(Size size);
    // Uploads the frame into the texture (made anew when its size changed) and shows it.
    void Show(SDL_Surface& frame);
    // Shows the last uploaded frame again (the window was uncovered).
    void Repaint();

private:
    // Without a renderer: the frame blitted onto the window surface and that surface updated.
    void ShowOnWindowSurface(SDL_Surface& frame);

    SDL_Window* window_;
    bool headless_;
    std::string failure_;
    SdlPtr<SDL_Renderer> renderer_;
    SdlPtr<SDL_Texture> texture_;
    Size textureSize_;
    SdlPtr<SDL_Surface> lastFrame_; // what the window surface shows, for a repaint
};

} // namespace sixdice::media::sdl
