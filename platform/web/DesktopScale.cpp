// The browser build's scale: the page enlarges the canvas itself, by a whole number of the
// device's pixels from devicePixelRatio and the room in the window, so the game draws at 1.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopScale.h"

namespace sixdice::platform {

DesktopScale QueryDesktopScale() {
    return {};
}

} // namespace sixdice::platform
