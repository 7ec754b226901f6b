// One player's score sheet: 18 text lines, numbers kept as decimal text, "-" for a free cell.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sixdice::game {

// The thirteen cells of a sheet; cell k is held on line k + 2.
enum class Cell : int {
    Ones = 1,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    Straight,
    SinglePairTriple,
    TriplePairSingle,
    ThreePairs,
    FourAndPair,
    TwoTriples,
    SixOfAKind,
};

inline constexpr int CellCount = 13;
inline constexpr int SheetLineCount = 18;
inline constexpr std::string_view FreeCell = "-";

// Line numbers of a sheet.
enum SheetLine : int {
    PlayerNameLine = 0,
    TurnThrowsLine = 1,
    ReserveThrowsLine = 2,
    FirstCellLine = 3, // cell 1; cell k is on line k + 2
    LastCellLine = 15, // cell 13
    TotalLine = 16,
    ThrowCountLine = 17,
};

constexpr int CellLine(int cell) {
    return cell + 2;
}
constexpr int CellLine(Cell cell) {
    return static_cast<int>(cell) + 2;
}

class PlayerSheet {
public:
    // A new game's sheet: the name, "3", "0", thirteen "-", "0", "0".
    static PlayerSheet Fresh(std::string_view name);

    void Clear() { lines_.clear(); }
    void Append(std::string_view text) { lines_.emplace_back(text); }
    bool empty() const { return lines_.empty(); }
    int LineCount() const { return static_cast<int>(lines_.size()); }

    // Line i as text; a line beyond the end reads as empty text (which is not "-").
    const std::string& Line(int i) const;
    // Line i converted as plain decimal text (0 for text that holds no number).
    int Number(int i) const;
    // Removes line i and inserts `text` at the same position, so the sheet keeps its length.
    // An index beyond the end appends nothing and changes nothing.
    void SetLine(int i, std::string_view text);
    void SetNumber(int i, int value);

    // Named lines.
    const std::string& PlayerName() const { return Line(PlayerNameLine); }
    int TurnThrows() const { return Number(TurnThrowsLine); }
    int ReserveThrows() const { return Number(ReserveThrowsLine); }
    int Total() const { return Number(TotalLine); }
    int ThrowCount() const { return Number(ThrowCountLine); }

    // Cell k (1..13): free while its line is exactly "-".
    bool IsFree(int cell) const { return Line(CellLine(cell)) == FreeCell; }
    bool IsFree(Cell cell) const { return IsFree(static_cast<int>(cell)); }
    // True when none of the thirteen cells is free.
    bool IsFull() const;
    // The sum of the written cells (0 when all are free).
    int CellSum() const;

    const std::vector<std::string>& Lines() const { return lines_; }
    friend bool operator==(const PlayerSheet&, const PlayerSheet&) = default;

private:
    std::vector<std::string> lines_;
};

} // namespace sixdice::game
