// Hot rectangles of the game screen that the rules themselves use: sheet cells, dice, the
// throw and pass buttons (these two differ by language because each language has its own art).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"
#include "game/Rect.h"

namespace sixdice::game {

struct LanguageRects {
    Rect throwButton;
    Rect passButton;
};

constexpr LanguageRects GameScreenRects(Language language) {
    return language == Language::Czech ? LanguageRects{{80, 224, 94, 113}, {325, 523, 43, 65}}
                                       : LanguageRects{{82, 208, 94, 109}, {349, 499, 43, 65}};
}

// Die i (1..6): x 10 + 50(i - 1) .. 40 + 50(i - 1), y 52..82, the same in both languages.
constexpr Rect DieRect(int die) {
    return {10 + 50 * (die - 1), 40 + 50 * (die - 1), 52, 82};
}

// Column of player p (1..4) on the score sheet.
constexpr Rect SheetColumn(int player) {
    return {6 + 135 * (player - 1), 133 + 135 * (player - 1), 0, -1};
}

// Row of cell k (1..13): starts at 161 + 15(k - 1); the rows differ in height.
constexpr Rect SheetRow(int cell) {
    constexpr int rowEnds[13] = {168, 184, 199, 214, 229, 244, 262, 277, 289, 307, 321, 337, 352};
    return {0, -1, 161 + 15 * (cell - 1), rowEnds[cell - 1]};
}

// Cell k of player p's column.
constexpr Rect SheetCell(int player, int cell) {
    const Rect column = SheetColumn(player);
    const Rect row = SheetRow(cell);
    return {column.x1, column.x2, row.y1, row.y2};
}

} // namespace sixdice::game
