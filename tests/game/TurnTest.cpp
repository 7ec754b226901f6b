// WriteResult, SkipTurn, PassTurn and the end of the game, the stuck wait and its timer.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RulesFixture.h"

#include <vector>

namespace sixdice::game::testing {
namespace {

using Calls = std::vector<std::string>;
using WriteResultTest = RulesTest;
using SkipTurnTest = RulesTest;
using PassTurnTest = RulesTest;
using StuckTest = RulesTest;

TEST_F(WriteResultTest, WritesOnlyInTheColumnOfThePlayerOnTurn) {
    Start(2);
    rules.SkipTurn();
    ThrowFaces({6, 5, 4, 3, 2, 1});
    ASSERT_EQ(state.Entry(Cell::Straight), 21);
    host.Clear();
    EXPECT_FALSE(rules.WriteResult(60, 255)) << "player 1's column is not player 2's";
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(state.CurrentPlayer, 2);

    EXPECT_TRUE(rules.WriteResult(200, 255));
    EXPECT_EQ(Sheet(2).Line(9), "21");
    EXPECT_EQ(Sheet(2).Line(16), "21") << "the total is recomputed at the end of the turn";
    EXPECT_EQ(state.CurrentPlayer, 1);
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "sound 5");
}

struct RowCase {
    int cell;
    int firstY;
    int lastY;
};

const RowCase rows[] = {{1, 161, 168}, {2, 176, 184},  {3, 191, 199},  {4, 206, 214},
                        {5, 221, 229}, {6, 236, 244},  {7, 251, 262},  {8, 266, 277},
                        {9, 281, 289}, {10, 296, 307}, {11, 311, 321}, {12, 326, 337},
                        {13, 341, 352}};

TEST_F(WriteResultTest, HitsEachRowFromItsFirstToItsLastPixelAndNothingBetween) {
    const int columnLeft[] = {6, 141, 276, 411};
    const int columnRight[] = {133, 268, 403, 538};
    for (int player = 1; player <= 4; ++player) {
        for (const RowCase& row : rows) {
            for (int y : {row.firstY, row.lastY}) {
                for (int x : {columnLeft[player - 1], columnRight[player - 1]}) {
                    Start(4);
                    state.CurrentPlayer = player;
                    state.ActiveSheet.fill(7);
                    EXPECT_TRUE(rules.WriteResult(x, y))
                        << "player " << player << " cell " << row.cell << " at " << x << "," << y;
                    EXPECT_EQ(Sheet(player).Line(row.cell + 2), "7");
                }
            }
            Start(4);
            state.CurrentPlayer = player;
            state.ActiveSheet.fill(7);
            EXPECT_FALSE(rules.WriteResult(columnLeft[player - 1] - 1, row.firstY));
            EXPECT_FALSE(rules.WriteResult(columnRight[player - 1] + 1, row.firstY));
            EXPECT_FALSE(rules.WriteResult(columnLeft[player - 1], row.firstY - 1))
                << "above row " << row.cell << " is between rows";
            EXPECT_TRUE(host.calls.empty());
        }
    }
}

TEST_F(WriteResultTest, IgnoresCellsThatOfferNothingSilently) {
    Start(1);
    state.Sheet(1).SetNumber(CellLine(Cell::Ones), 4);
    LoadActiveSheet(state); // before the first throw: 0 and -1 only
    EXPECT_FALSE(ClickCell(1, 1)) << "a written cell (entry 0)";
    EXPECT_FALSE(ClickCell(1, 2)) << "a free cell with nothing offered (entry -1)";
    EXPECT_FALSE(rules.WriteResult(60, 169)) << "between rows 1 and 2";
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(Sheet(1).Line(4), "-");
}

TEST_F(WriteResultTest, LeftOverThrowsGoToTheReserveButNotTheThrowCount) {
    Start(2);
    ThrowFaces({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(ClickCell(1, 7));
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "2");
    EXPECT_EQ(Sheet(1).Line(ThrowCountLine), "1");
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "3");
}

TEST_F(SkipTurnTest, PassBeforeThrowingCountsAndBanksAllThreeThrows) {
    Start(2);
    rules.SkipTurn();
    EXPECT_EQ(Sheet(1).Line(ThrowCountLine), "3");
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "3");
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "3");
    EXPECT_EQ(state.CurrentPlayer, 2);
    EXPECT_EQ(host.calls,
              (Calls{"sound 0", "stop timer", "draw game screen", "clear highlight", "present"}));
}

TEST_F(SkipTurnTest, PassAfterTwoThrowsAddsTheOneLeft) {
    Start(2);
    rules.ThrowDice();
    rules.ThrowDice();
    EXPECT_EQ(Sheet(1).ThrowCount(), 2);
    rules.SkipTurn();
    EXPECT_EQ(Sheet(1).ThrowCount(), 3);
    EXPECT_EQ(Sheet(1).ReserveThrows(), 1);
}

TEST_F(PassTurnTest, RotationKeepsASinglePlayerAndWrapsAfterFour) {
    Start(1);
    rules.SkipTurn();
    EXPECT_EQ(state.CurrentPlayer, 1);
    Start(4);
    const int expected[] = {2, 3, 4, 1, 2};
    for (int next : expected) {
        rules.SkipTurn();
        EXPECT_EQ(state.CurrentPlayer, next);
    }
}

TEST_F(PassTurnTest, NextTurnStartsWithBlankDiceNothingHeldAndNothingOffered) {
    Start(2);
    state.Sheet(2).SetNumber(CellLine(Cell::Fours), 16);
    ThrowFaces({4, 4, 4, 4, 1, 2});
    rules.ToggleHold(1);
    rules.ThrowDice();
    rules.ThrowDice();
    ASSERT_TRUE(state.OnReserve);
    rules.SkipTurn();
    EXPECT_EQ(state.Dice, (std::array<int, 6>{}));
    EXPECT_EQ(state.DieHeld, (std::array<bool, 6>{}));
    EXPECT_EQ(state.KindFace, 0);
    EXPECT_FALSE(state.OnReserve);
    const std::array<int, 13> player2{-1, -1, -1, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(state.ActiveSheet, player2) << "the next player's cells are loaded";
    EXPECT_FALSE(state.GameOver);
}

TEST_F(PassTurnTest, GameOfThreeEndsAsSoonAsOneSheetIsFull) {
    Start(3);
    // Player 1 has every cell but the straight; the others still have free cells.
    WriteCells(1, {4, 8, 12, 16, 20, 24, 0, 20, 13, 20, 10, 30, 30});
    WriteCells(2, {5, 0, 0, 16, 0, 0, 21, 0, 0, 0, 0, 0, 0});
    WriteCells(3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 36});
    state.Sheet(2).SetLine(ReserveThrowsLine, "4");
    state.Sheet(3).SetLine(ReserveThrowsLine, "1");
    state.Sheet(2).SetLine(TotalLine, "42");
    state.Sheet(3).SetLine(TotalLine, "36");
    host.musicOn = true;
    ThrowFaces({3, 1, 2, 6, 5, 4});
    host.Clear();
    ASSERT_TRUE(ClickCell(1, 7));

    EXPECT_TRUE(state.GameOver);
    EXPECT_EQ(host.screen, Screen::GameEnd);
    EXPECT_EQ(host.calls,
              (Calls{"sound 5", "stop timer", "stop music", "sound 6", "screen konec hry",
                     "draw game screen", "draw end line", "clear highlight", "present"}));
    EXPECT_FALSE(host.musicOn);
    // Player 1: 228 in the cells + the 2 throws left over, banked at the end of the turn.
    EXPECT_EQ(Sheet(1).Total(), 228 + 2);
    EXPECT_EQ(Sheet(2).Total(), 42 + 4);
    EXPECT_EQ(Sheet(3).Total(), 36 + 1);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(Sheet(p).Line(TurnThrowsLine), "0") << "player " << p;
        EXPECT_EQ(Sheet(p).Line(ReserveThrowsLine), "0") << "player " << p;
    }
}

TEST_F(PassTurnTest, SettlementAddsEveryBankedThrowToTheTotal) {
    Start(1);
    // Twelve cells summing to 159; the straight (21) makes 180.
    WriteCells(1, {4, 8, 12, 16, 20, 24, 0, 20, 13, 20, 10, 6, 6});
    state.Sheet(1).SetLine(ReserveThrowsLine, "3");
    ThrowFaces({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(ClickCell(1, 7));
    EXPECT_EQ(Sheet(1).CellSum(), 180);
    EXPECT_EQ(Sheet(1).Line(TotalLine), "185");
    EXPECT_EQ(Sheet(1).TurnThrows() + Sheet(1).ReserveThrows(), 0);
    EXPECT_EQ(Sheet(1).ThrowCount(), 1);
}

TEST_F(PassTurnTest, StopsTheWaitTimerIfItRuns) {
    Start(2);
    host.timerRunning = true;
    rules.SkipTurn();
    EXPECT_FALSE(host.timerRunning);
}

// A single player with every cell but the straight written and one throw left.
void ArrangeLastThrow(RulesTest& test, GameState& state) {
    (void)test;
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (cell != 7) {
            state.Sheet(1).SetNumber(CellLine(cell), 10);
        }
    }
    state.Sheet(1).SetLine(TurnThrowsLine, "1");
}

TEST_F(StuckTest, SinglePlayerWithNothingOfferedAndNoThrowsWaits) {
    Start(1);
    ArrangeLastThrow(*this, state);
    ThrowFaces({1, 1, 2, 2, 3, 3});
    EXPECT_EQ(host.screen, Screen::Wait);
    ASSERT_GE(host.calls.size(), 3u);
    EXPECT_EQ(
        Calls(host.calls.end() - 5, host.calls.end()),
        (Calls{"draw game screen", "present", "screen čekej", "hide pointer", "start timer"}));
    EXPECT_TRUE(host.timerRunning);

    host.Clear();
    rules.PassTimerExpired();
    EXPECT_EQ(host.calls, (Calls{"stop timer", "stop timer", "draw game screen", "clear highlight",
                                 "present", "sound 0 wait", "screen hra", "show pointer"}));
    EXPECT_EQ(host.pointerHidden, 0);
    EXPECT_FALSE(state.GameOver);
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "3");
    EXPECT_EQ(state.Dice, (std::array<int, 6>{}));
    EXPECT_EQ(state.DieHeld, (std::array<bool, 6>{}));
}

TEST_F(StuckTest, RefusedThrowAlsoRunsTheTest) {
    Start(1);
    ArrangeLastThrow(*this, state);
    state.Sheet(1).SetLine(TurnThrowsLine, "0");
    state.Dice = {1, 1, 2, 2, 3, 3};
    rules.ThrowDice();
    EXPECT_TRUE(host.Has("sound 3"));
    EXPECT_EQ(host.screen, Screen::Wait);
}

TEST_F(StuckTest, NoWaitWhileThrowsAreLeftOrSomethingIsOffered) {
    Start(1);
    ArrangeLastThrow(*this, state);
    state.Sheet(1).SetLine(ReserveThrowsLine, "1");
    ThrowFaces({1, 1, 2, 2, 3, 3});
    EXPECT_EQ(host.screen, Screen::Game) << "a banked throw is left";

    Start(1);
    ArrangeLastThrow(*this, state);
    ThrowFaces({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(host.screen, Screen::Game) << "the straight is offered";
    EXPECT_FALSE(host.Has("start timer"));
}

TEST_F(StuckTest, TwoPlayersWaitForThePassButtonInstead) {
    Start(2);
    ArrangeLastThrow(*this, state);
    ThrowFaces({1, 1, 2, 2, 3, 3});
    EXPECT_EQ(host.screen, Screen::Game);
    EXPECT_FALSE(host.timerRunning);
    EXPECT_FALSE(rules.IsStuck());
}

} // namespace
} // namespace sixdice::game::testing
