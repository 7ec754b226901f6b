// Where the window goes: centred at start, moved by the layout shift and kept on the desktop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

namespace sixdice::media {

// Top-left of a window of `outer` size centred in `desktop`.
Point CentredPosition(Size outer, const Rect& desktop);

// The outer window's new top-left after a layout change from `from` to `to`: moved by the layout
// shift times the display scale (left and up when growing, right and down when shrinking), then
// pushed back inside `desktop` where a window of `outerAfter` size would stick out (the top-left
// edge wins when the window is larger than the desktop).
Point PositionAfterLayoutChange(Point outerTopLeft, Layout from, Layout to, Size outerAfter,
                                const Rect& desktop, int scale = 1);

// Moves `topLeft` so that a window of `outer` size lies inside `desktop` as far as possible.
Point KeptOnDesktop(Point topLeft, Size outer, const Rect& desktop);

} // namespace sixdice::media
