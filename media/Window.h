// The main window: caption, the two layouts and its place on the screen.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <string>

namespace sixdice::media {

class Window {
public:
    virtual ~Window() = default;

    virtual void SetCaption(const std::string& utf8) = 0;
    virtual std::string Caption() const = 0;

    // Sets the client area (and the off-screen surface) to the layout's size. A change from small
    // to large moves the window 70 left and 60 up, back again 70 right and 60 down; either way the
    // window is then kept on the screen. Setting the current layout again changes nothing.
    virtual void SetLayout(Layout layout) = 0;
    virtual Layout CurrentLayout() const = 0;

    // Top-left corner of the window on the desktop (client area origin).
    virtual Point Position() const = 0;

    // Shows the window; the first call centres it on the screen. The surface's first restore
    // notification follows from the event source once the window is up.
    virtual void Show() = 0;
    virtual bool IsShown() const = 0;
};

} // namespace sixdice::media
