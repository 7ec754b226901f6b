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
    // `softwareRenderer`, and software when nothing better exists. In headless mode a present does
    // everything but the final flip.
    SdlPresenter(SDL_Window* window, bool headless, bool softwareRenderer, bool vsync);
    // Empty when the renderer exists, else the failure's text.
    const std::string& Failure() const { return failure_; }

    // Makes the texture anew for frames of this size; false (reported) when it cannot.
    bool Prepare(Size size);
    // Uploads the frame into the texture (made anew when its size changed) and shows it.
    void Show(const SDL_Surface& frame);
    // Shows the last uploaded frame again (the window was uncovered).
    void Repaint();

private:
    bool headless_;
    std::string failure_;
    SdlPtr<SDL_Renderer> renderer_;
    SdlPtr<SDL_Texture> texture_;
    Size textureSize_;
};

} // namespace sixdice::media::sdl
