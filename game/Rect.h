// A hot rectangle in surface pixels with both ends included.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::game {

struct Rect {
    int x1 = 0;
    int x2 = -1;
    int y1 = 0;
    int y2 = -1;

    constexpr bool Contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

} // namespace sixdice::game
