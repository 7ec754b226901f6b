// Forms in the browser: the page has one canvas, so a form is a layer drawn over the main window's
// frame (media/sdl/FormLayers) with the same surface, canvas and controls as a window of its own.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FormLayers.h"
#include "media/sdl/SdlFormWindow.h"

namespace sixdice::media::sdl {

Size FormWindowRoom(SDL_Window*, int) {
    return LayerRoom(FormLayers::Instance().HostSize().value_or(Size{400, 300}));
}

SdlFormWindow::SdlFormWindow(const FormWindowOptions& options, FontCache& fonts)
    : canvas_(fonts), owner_(options.owner), client_(options.client) {
    surface_ = MakeDrawingSurface(client_);
    if (!surface_) {
        failure_ = "Cannot create the drawing surface: " + SdlErrorText();
        return;
    }
    SDL_FillRect(surface_.get(), nullptr, 0);
    canvas_.SetTarget(surface_.get());
    id_ = FormLayers::Instance().Add(options.caption, surface_.get());
}

SdlFormWindow::~SdlFormWindow() {
    if (id_ == 0)
        return;
    FormLayers::Instance().Remove(id_);
    // What lay under the form comes back.
    if (shown_)
        FormLayers::Instance().PresentHost();
}

void SdlFormWindow::Present() {
    if (!failure_.empty())
        return;
    canvas_.ClearClip();
    if (!shown_) {
        shown_ = true;
        FormLayers::Instance().Show(id_);
    }
    FormLayers::Instance().PresentHost();
}

void SdlFormWindow::Repaint() {
    if (shown_)
        FormLayers::Instance().PresentHost();
}

} // namespace sixdice::media::sdl
