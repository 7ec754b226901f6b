// Reading and rewriting the text lines of a score sheet.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/PlayerSheet.h"

#include <charconv>

namespace sixdice::game {

PlayerSheet PlayerSheet::Fresh(std::string_view name) {
    PlayerSheet sheet;
    sheet.Append(name);
    sheet.Append("3");
    sheet.Append("0");
    for (int cell = 1; cell <= CellCount; ++cell) {
        sheet.Append(FreeCell);
    }
    sheet.Append("0");
    sheet.Append("0");
    return sheet;
}

const std::string& PlayerSheet::Line(int i) const {
    static const std::string empty;
    if (i < 0 || i >= LineCount()) {
        return empty;
    }
    return lines_[static_cast<std::size_t>(i)];
}

int PlayerSheet::Number(int i) const {
    const std::string& text = Line(i);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void PlayerSheet::SetLine(int i, std::string_view text) {
    if (i < 0 || i >= LineCount()) {
        return;
    }
    const auto at = lines_.begin() + i;
    lines_.insert(lines_.erase(at), std::string(text));
}

void PlayerSheet::SetNumber(int i, int value) {
    SetLine(i, std::to_string(value));
}

bool PlayerSheet::IsFull() const {
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (IsFree(cell)) {
            return false;
        }
    }
    return true;
}

int PlayerSheet::CellSum() const {
    int sum = 0;
    for (int line = FirstCellLine; line <= LastCellLine; ++line) {
        if (Line(line) != FreeCell) {
            sum += Number(line);
        }
    }
    return sum;
}

} // namespace sixdice::game
