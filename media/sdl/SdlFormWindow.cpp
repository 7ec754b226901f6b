// Making a second window: centred on its owner's display, modal for it, its own software surface.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlFormWindow.h"

#include "media/sdl/SdlScale.h"

namespace sixdice::media::sdl {

SdlFormWindow::SdlFormWindow(const FormWindowOptions& options, FontCache& fonts)
    : canvas_(fonts), owner_(options.owner), client_(options.client) {
    int display = owner_ ? SDL_GetWindowDisplayIndex(owner_) : 0;
    if (display < 0)
        display = 0;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (options.toolWindow)
        flags |= SDL_WINDOW_UTILITY;
    const Size shown = Scaled(client_, options.scale);
    window_.reset(SDL_CreateWindow(options.caption.c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                                   SDL_WINDOWPOS_CENTERED_DISPLAY(display), shown.width,
                                   shown.height, flags));
    if (!window_) {
        failure_ = "Cannot create the window \"" + options.caption + "\": " + SdlErrorText();
        return;
    }
    id_ = SDL_GetWindowID(window_.get());
    presenter_ = std::make_unique<SdlPresenter>(window_.get(), options.headless,
                                                options.softwareRenderer, /*vsync=*/false);
    if (!presenter_->Failure().empty()) {
        failure_ = presenter_->Failure();
        return;
    }
    surface_ = MakeDrawingSurface(client_);
    if (!surface_) {
        failure_ = "Cannot create the drawing surface: " + SdlErrorText();
        return;
    }
    SDL_FillRect(surface_.get(), nullptr, 0);
    canvas_.SetTarget(surface_.get());
}

SdlFormWindow::~SdlFormWindow() = default;

Size FormWindowRoom(SDL_Window* owner, int scale) {
    int display = owner ? SDL_GetWindowDisplayIndex(owner) : 0;
    if (display < 0)
        display = 0;
    SDL_Rect r{};
    Size screen{1024, 768};
    if (SDL_GetDisplayUsableBounds(display, &r) == 0 || SDL_GetDisplayBounds(display, &r) == 0)
        screen = {r.w, r.h};
    return {screen.width / scale, screen.height / scale};
}

void SdlFormWindow::Present() {
    if (!failure_.empty())
        return;
    canvas_.ClearClip();
    presenter_->Show(*surface_);
    if (shown_)
        return;
    shown_ = true;
    // Modal only for an owner on the screen: a form before the main window shows stands alone.
    if (owner_ && (SDL_GetWindowFlags(owner_) & SDL_WINDOW_SHOWN))
        SDL_SetWindowModalFor(window_.get(), owner_);
    SDL_ShowWindow(window_.get());
    SDL_RaiseWindow(window_.get());
    presenter_->Show(*surface_);
}

void SdlFormWindow::Repaint() {
    if (shown_)
        presenter_->Repaint();
}

} // namespace sixdice::media::sdl
