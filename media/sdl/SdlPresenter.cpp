// Upload, copy, present: a streaming texture the size of the surface, stretched over the window.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlPresenter.h"

#include "media/sdl/SurfaceCanvas.h"

namespace sixdice::media::sdl {

SdlPresenter::SdlPresenter(SDL_Window* window, bool headless, bool softwareRenderer, bool vsync)
    : window_(window), headless_(headless) {
    if (!softwareRenderer) {
        renderer_.reset(SDL_CreateRenderer(
            window, -1, SDL_RENDERER_ACCELERATED | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0)));
    }
    if (!renderer_)
        renderer_.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) {
        const std::string why = SdlErrorText();
        if (!SDL_GetWindowSurface(window))
            failure_ = "Cannot create the renderer: " + why;
    }
}

bool SdlPresenter::Prepare(Size size) {
    if (!renderer_)
        return failure_.empty();
    texture_.reset(SDL_CreateTexture(renderer_.get(), kSurfacePixelFormat,
                                     SDL_TEXTUREACCESS_STREAMING, size.width, size.height));
    if (!texture_) {
        ReportSdlError("SDL_CreateTexture");
        return false;
    }
    // An enlarged window shows every surface pixel as a sharp square.
    SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
    textureSize_ = size;
    return true;
}

void SdlPresenter::Show(SDL_Surface& frame) {
    if (!renderer_)
        return ShowOnWindowSurface(frame);
    const Size size{frame.w, frame.h};
    if ((!texture_ || textureSize_ != size) && !Prepare(size))
        return;
    if (SDL_UpdateTexture(texture_.get(), nullptr, frame.pixels, frame.pitch) != 0)
        ReportSdlError("SDL_UpdateTexture");
    Repaint();
}

void SdlPresenter::ShowOnWindowSurface(SDL_Surface& frame) {
    if (!lastFrame_ || lastFrame_->w != frame.w || lastFrame_->h != frame.h)
        lastFrame_ = MakeDrawingSurface({frame.w, frame.h});
    if (!lastFrame_)
        return;
    // Kept, so that an uncovered window can be repainted after the game drew on.
    if (SDL_BlitSurface(&frame, nullptr, lastFrame_.get(), nullptr) != 0)
        ReportSdlError("SDL_BlitSurface (frame)");
    Repaint();
}

void SdlPresenter::Repaint() {
    if (!renderer_) {
        // The window surface is made anew whenever the window's size changed.
        SDL_Surface* target = lastFrame_ ? SDL_GetWindowSurface(window_) : nullptr;
        if (!target)
            return;
        if (SDL_BlitScaled(lastFrame_.get(), nullptr, target, nullptr) != 0)
            ReportSdlError("SDL_BlitScaled");
        if (!headless_ && SDL_UpdateWindowSurface(window_) != 0)
            ReportSdlError("SDL_UpdateWindowSurface");
        return;
    }
    if (!texture_)
        return;
    if (SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr) != 0)
        ReportSdlError("SDL_RenderCopy");
    if (!headless_)
        SDL_RenderPresent(renderer_.get());
}

} // namespace sixdice::media::sdl
