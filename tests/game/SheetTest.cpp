// NewGame, the sheet's text lines and LoadActiveSheet.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameState.h"

#include <gtest/gtest.h>

namespace sixdice::game {
namespace {

const std::array<std::string, MaxPlayers> names{"Eva", "Jan", "Petr", "Iva"};

TEST(NewGame, BuildsSheetsOnlyForThePlayersTakingPart) {
    GameState state;
    NewGame(state, 2, names);
    const std::vector<std::string> expected{"Eva", "3", "0", "-", "-", "-", "-", "-", "-",
                                            "-",   "-", "-", "-", "-", "-", "-", "0", "0"};
    EXPECT_EQ(state.Sheet(1).Lines(), expected);
    std::vector<std::string> second = expected;
    second[0] = "Jan";
    EXPECT_EQ(state.Sheet(2).Lines(), second);
    EXPECT_TRUE(state.Sheet(3).empty());
    EXPECT_TRUE(state.Sheet(4).empty());
    EXPECT_EQ(state.PlayerCount, 2);
}

TEST(NewGame, ResetsTheTurnStateOfAnAbandonedGame) {
    GameState state;
    NewGame(state, 4, names);
    state.CurrentPlayer = 3;
    state.Dice = {1, 2, 3, 4, 5, 6};
    state.DieHeld = {true, false, true, false, true, false};
    state.KindFace = 4;
    state.OnReserve = true;
    state.Sheet(4).SetLine(CellLine(Cell::Straight), "21");

    NewGame(state, 1, names);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_EQ(state.Dice, (std::array<int, 6>{}));
    EXPECT_EQ(state.DieHeld, (std::array<bool, 6>{}));
    EXPECT_EQ(state.KindFace, 0);
    EXPECT_FALSE(state.OnReserve);
    EXPECT_EQ(state.Sheet(1).LineCount(), SheetLineCount);
    for (int p = 2; p <= 4; ++p) {
        EXPECT_TRUE(state.Sheet(p).empty()) << "sheet " << p << " should have been emptied";
    }
}

TEST(PlayerSheet, ReplacesALineInPlaceAndKeepsEighteenLines) {
    PlayerSheet sheet = PlayerSheet::Fresh("Eva");
    sheet.SetNumber(CellLine(Cell::Straight), 21);
    EXPECT_EQ(sheet.Line(9), "21");
    EXPECT_EQ(sheet.Line(8), "-");
    EXPECT_EQ(sheet.Line(10), "-");
    EXPECT_EQ(sheet.LineCount(), SheetLineCount);
    EXPECT_EQ(sheet.Number(9), 21);
    EXPECT_FALSE(sheet.IsFree(Cell::Straight));
}

TEST(PlayerSheet, ReadsBeyondTheEndAsEmptyTextThatIsNotFree) {
    PlayerSheet empty;
    EXPECT_EQ(empty.Line(3), "");
    EXPECT_FALSE(empty.IsFree(1));
    EXPECT_EQ(empty.Number(16), 0);
    empty.SetLine(0, "x");
    EXPECT_TRUE(empty.empty()) << "writing past the end must not grow the sheet";
}

TEST(PlayerSheet, SumsOnlyWrittenCells) {
    PlayerSheet sheet = PlayerSheet::Fresh("Eva");
    EXPECT_EQ(sheet.CellSum(), 0);
    sheet.SetNumber(CellLine(Cell::Ones), 4);
    sheet.SetNumber(CellLine(Cell::SixOfAKind), 36);
    EXPECT_EQ(sheet.CellSum(), 40);
    EXPECT_FALSE(sheet.IsFull());
    for (int cell = 1; cell <= CellCount; ++cell) {
        sheet.SetNumber(CellLine(cell), cell);
    }
    EXPECT_TRUE(sheet.IsFull());
    EXPECT_EQ(sheet.CellSum(), 91);
}

TEST(LoadActiveSheet, MarksWrittenCellsZeroAndFreeCellsMinusOne) {
    GameState state;
    NewGame(state, 2, names);
    state.CurrentPlayer = 2;
    state.Sheet(2).SetNumber(CellLine(1), 4);
    state.Sheet(2).SetNumber(CellLine(13), 30);
    state.ActiveSheet.fill(99);
    LoadActiveSheet(state);
    const std::array<int, 13> expected{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    EXPECT_EQ(state.ActiveSheet, expected);
}

TEST(LoadActiveSheet, DoesNothingBeforeTheFirstGame) {
    GameState state;
    state.ActiveSheet.fill(7);
    LoadActiveSheet(state);
    EXPECT_EQ(state.ActiveSheet[0], 7);
}

} // namespace
} // namespace sixdice::game
