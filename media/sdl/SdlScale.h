// The display scale over SDL: choosing it once SDL's video runs, and mapping window pixels back.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <optional>

namespace sixdice::media::sdl {

// The scale the game is shown at: `option` (--scale), else SIXDICE_SCALE, else GDK_SCALE, else
// what the first display's dots per inch suggest, else 1; reduced until the game screen's window
// fits the usable screen (with a note on standard error). Needs SDL's video running.
int ChooseDisplayScale(std::optional<int> option);

// A window pixel coordinate in surface pixels: divided by the scale, rounded down, so every
// window pixel of an enlarged surface pixel maps to it (also left of and above the window).
constexpr int Unscaled(int windowCoordinate, int scale) {
    const int q = windowCoordinate / scale;
    return (windowCoordinate % scale != 0 && windowCoordinate < 0) ? q - 1 : q;
}

static_assert(Unscaled(5, 2) == 2 && Unscaled(-1, 2) == -1 && Unscaled(-2, 2) == -1);

constexpr Size Scaled(Size size, int scale) {
    return {size.width * scale, size.height * scale};
}

} // namespace sixdice::media::sdl
