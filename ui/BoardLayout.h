// Where the game screen's pieces and figures go: the places the drawing and the artwork preview
// share, so the two cannot drift apart.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::ui::board {

inline constexpr int NamePoints = 12;
inline constexpr int FigurePoints = 9;

// The left edge of player p's figures; the plate starts 97 pixels to its left, the name 92.
constexpr int ColumnX(int player) {
    return 102 + 135 * (player - 1);
}
constexpr int PlateX(int player) {
    return ColumnX(player) - 97;
}
constexpr int NameX(int player) {
    return ColumnX(player) - 92;
}
inline constexpr int HeaderY = 125;
constexpr int CellY(int cell) {
    return 156 + 15 * (cell - 1);
}
inline constexpr int ThrowsY = 367;
inline constexpr int TotalY = 397;

constexpr int DieX(int die) {
    return 50 * (die - 1);
}
constexpr int MarkerX(int die) {
    return 10 + 50 * (die - 1);
}
inline constexpr int MarkerY = 52;

// The end-of-game line: centred on x, from this top.
inline constexpr int EndLineCentre = 273;
inline constexpr int EndLineTop = 250;

static_assert(ColumnX(4) == 507 && PlateX(4) == 410 && NameX(4) == 415);
static_assert(CellY(13) == 336);

} // namespace sixdice::ui::board
