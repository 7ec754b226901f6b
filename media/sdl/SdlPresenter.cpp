// Upload, copy, present: a streaming texture the size of the surface, stretched over the window.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlPresenter.h"

#include "media/sdl/SurfaceCanvas.h"

namespace sixdice::media::sdl {

SdlPresenter::SdlPresenter(SDL_Window* window, bool headless, bool softwareRenderer, bool vsync)
    : headless_(headless) {
    if (!softwareRenderer) {
        renderer_.reset(SDL_CreateRenderer(
            window, -1, SDL_RENDERER_ACCELERATED | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0)));
    }
    if (!renderer_)
        renderer_.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_)
        failure_ = "Cannot create the renderer: " + SdlErrorText();
}

bool SdlPresenter::Prepare(Size size) {
    if (!renderer_)
        return false;
    texture_.reset(SDL_CreateTexture(renderer_.get(), kSurfacePixelFormat,
                                     SDL_TEXTUREACCESS_STREAMING, size.width, size.height));
    if (!texture_) {
        ReportSdlError("SDL_CreateTexture");
        return false;
    }
    textureSize_ = size;
    return true;
}

void SdlPresenter::Show(const SDL_Surface& frame) {
    const Size size{frame.w, frame.h};
    if ((!texture_ || textureSize_ != size) && !Prepare(size))
        return;
    if (SDL_UpdateTexture(texture_.get(), nullptr, frame.pixels, frame.pitch) != 0)
        ReportSdlError("SDL_UpdateTexture");
    Repaint();
}

void SdlPresenter::Repaint() {
    if (!texture_)
        return;
    if (SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr) != 0)
        ReportSdlError("SDL_RenderCopy");
    if (!headless_)
        SDL_RenderPresent(renderer_.get());
}

} // namespace sixdice::media::sdl
