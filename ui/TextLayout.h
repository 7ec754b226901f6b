// Placing text: the centring rule shared by every centred line on the screens.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::ui {

// Where a text `width` pixels wide starts when centred on x = cx: cx - round(width / 2), an exact
// half rounding to the even neighbour (a 301 pixel text centred on 273 starts at 123).
constexpr int CentredTextStart(int cx, int width) {
    int half = width / 2;
    if (width % 2 != 0 && half % 2 != 0) {
        half += width > 0 ? 1 : -1;
    }
    return cx - half;
}

} // namespace sixdice::ui
