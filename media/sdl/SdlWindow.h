// The main window: fixed size per layout, centred when first shown, moved on a layout change.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Window.h"
#include "media/sdl/SdlGraphics.h"

namespace sixdice::media::sdl {

class SdlWindow final : public Window {
public:
    SdlWindow(SDL_Window* window, SdlGraphics& graphics, Layout layout, int scale = 1)
        : window_(window), graphics_(graphics), layout_(layout), scale_(scale) {}

    void SetCaption(const std::string& utf8) override;
    std::string Caption() const override;
    void SetLayout(Layout layout) override;
    Layout CurrentLayout() const override { return layout_; }
    Point Position() const override;
    void Show() override;
    bool IsShown() const override { return shown_; }

    // Set by Show() the first time; the event source raises the first restore notification.
    bool TakeFirstRestore();

private:
    Rect DesktopArea() const;

    SDL_Window* window_;
    SdlGraphics& graphics_;
    Layout layout_;
    int scale_; // screen pixels per surface pixel
    bool shown_ = false;
    bool firstRestorePending_ = false;
};

} // namespace sixdice::media::sdl
