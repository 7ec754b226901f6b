// Window size, placement and caption over SDL; placement arithmetic lives in WindowPlacement.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlWindow.h"

#include "media/WindowPlacement.h"
#include "media/sdl/SdlScale.h"

namespace sixdice::media::sdl {

void SdlWindow::SetCaption(const std::string& utf8) {
    SDL_SetWindowTitle(window_, utf8.c_str());
}

std::string SdlWindow::Caption() const {
    const char* title = SDL_GetWindowTitle(window_);
    return title ? title : "";
}

Point SdlWindow::Position() const {
    Point p;
    SDL_GetWindowPosition(window_, &p.x, &p.y);
    return p;
}

Rect SdlWindow::DesktopArea() const {
    int display = SDL_GetWindowDisplayIndex(window_);
    if (display < 0)
        display = 0;
    SDL_Rect r{};
    if (SDL_GetDisplayUsableBounds(display, &r) != 0 && SDL_GetDisplayBounds(display, &r) != 0) {
        ReportSdlError("SDL_GetDisplayBounds");
        return {0, 0, 1 << 16, 1 << 16};
    }
    return {r.x, r.y, r.w, r.h};
}

void SdlWindow::SetLayout(Layout layout) {
    if (layout == layout_)
        return;
    const Layout from = layout_;
    layout_ = layout;
    graphics_.Resize(SurfaceSize(layout));
    const Size client = Scaled(SurfaceSize(layout), scale_);
    if (!shown_) {
        // Not on the screen yet: Show() centres it at its final size.
        SDL_SetWindowSize(window_, client.width, client.height);
        return;
    }
    // SDL places the client area; the rule is about the outer window, frame included. Where the
    // window manager does not tell the frame, the classic frame of the layout sizes stands in.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) {
        const Size outer = OuterSize(layout);
        left = right = (outer.width - SurfaceSize(layout).width) / 2;
        bottom = left;
        top = outer.height - SurfaceSize(layout).height - bottom;
    }
    const Point client0 = Position();
    const Point outerTopLeft{client0.x - left, client0.y - top};
    const Size outerAfter{client.width + left + right, client.height + top + bottom};
    const Point moved =
        PositionAfterLayoutChange(outerTopLeft, from, layout, outerAfter, DesktopArea(), scale_);
    SDL_SetWindowSize(window_, client.width, client.height);
    SDL_SetWindowPosition(window_, moved.x + left, moved.y + top);
}

void SdlWindow::Show() {
    if (!shown_) {
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        firstRestorePending_ = true;
    }
    SDL_ShowWindow(window_);
    shown_ = true;
}

bool SdlWindow::TakeFirstRestore() {
    const bool pending = firstRestorePending_;
    firstRestorePending_ = false;
    return pending;
}

} // namespace sixdice::media::sdl
