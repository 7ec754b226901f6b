// ThrowDice and ToggleHold: allowance, reserve, counting, the animation's order, held dice.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RulesFixture.h"

#include <vector>

namespace sixdice::game::testing {
namespace {

using Calls = std::vector<std::string>;
using ThrowDiceTest = RulesTest;
using ToggleHoldTest = RulesTest;

TEST_F(ThrowDiceTest, AcceptedThrowDrawsPlaysThrowsEvaluatesAndPresentsInOrder) {
    Start(1);
    clock.Set(TimeOfDay(0, 0, 1, 500));
    rules.ThrowDice();
    EXPECT_EQ(host.calls, (Calls{"clear highlight", "image 25 0 0", "present", "sound 4 wait",
                                 "draw game screen", "present"}));
    EXPECT_EQ(state.Dice, (std::array<int, 6>{1, 4, 1, 5, 3, 2}));
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "2");
    EXPECT_EQ(Sheet(1).Line(ThrowCountLine), "1");
    EXPECT_FALSE(state.OnReserve);
}

TEST_F(ThrowDiceTest, HeldDiceAreDrawnStillOverTheThrowPicture) {
    Start(1);
    clock.Set(TimeOfDay(0, 0, 1, 500));
    rules.ThrowDice(); // 1 4 1 5 3 2
    rules.ToggleHold(2);
    rules.ToggleHold(4);
    host.Clear();
    rules.ThrowDice();
    const Calls expectedStart{"clear highlight", "image 25 0 0", "image 12 50 0",
                              "image 13 150 0",  "present",      "sound 4 wait"};
    ASSERT_GE(host.calls.size(), expectedStart.size());
    EXPECT_EQ(Calls(host.calls.begin(), host.calls.begin() + 6), expectedStart);
}

TEST_F(ThrowDiceTest, HeldDieKeepsItsFaceAndTheOthersTakeTheNextDraws) {
    Start(1);
    clock.Set(TimeOfDay(10, 0, 0, 0));
    rules.ThrowDice();
    const int kept = state.Die(3);
    rules.ToggleHold(3);
    const std::uint32_t second = TimeOfDay(10, 0, 7, 321);
    clock.Set(second);
    rules.ThrowDice();
    Random expected(second);
    for (int i = 1; i <= 6; ++i) {
        if (i == 3) {
            EXPECT_EQ(state.Die(i), kept) << "the held die must keep its face";
        } else {
            EXPECT_EQ(state.Die(i), expected.NextFace()) << "die " << i;
        }
    }
    EXPECT_TRUE(state.Held(3)) << "throwing does not release a held die";
}

TEST_F(ThrowDiceTest, FirstTurnAllowsThreeThrowsAndRefusesTheFourth) {
    Start(2);
    for (int n = 1; n <= 3; ++n) {
        clock.Set(TimeOfDay(8, 0, n, 0));
        rules.ThrowDice();
        EXPECT_EQ(Sheet(1).ThrowCount(), n);
        EXPECT_EQ(state.OnReserve, n == 3) << "after throw " << n;
    }
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "0");
    const auto dice = state.Dice;
    host.Clear();
    clock.Set(TimeOfDay(8, 0, 9, 0));
    rules.ThrowDice();
    EXPECT_EQ(host.calls, (Calls{"clear highlight", "sound 3", "draw game screen", "present"}));
    EXPECT_EQ(state.Dice, dice);
    EXPECT_EQ(Sheet(1).ThrowCount(), 3) << "a refused throw is not counted";
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "0");
}

TEST_F(ThrowDiceTest, BankedThrowsGiveFiveThrowsInTheNextTurn) {
    Start(2);
    ThrowFaces({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(ClickCell(1, 7)) << "the straight should have been written";
    rules.SkipTurn(); // player 2
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "3");
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "2");

    const int before = Sheet(1).ThrowCount();
    for (int n = 1; n <= 5; ++n) {
        clock.Set(TimeOfDay(9, 0, n, 0));
        host.Clear();
        rules.ThrowDice();
        EXPECT_TRUE(host.Has("sound 4 wait")) << "throw " << n << " should be accepted";
        EXPECT_EQ(Sheet(1).ThrowCount(), before + n);
        EXPECT_TRUE(state.OnReserve == (n >= 3)) << "after throw " << n;
    }
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "0");
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "0");
    host.Clear();
    rules.ThrowDice();
    EXPECT_TRUE(host.Has("sound 3")) << "a sixth throw must be refused";
    EXPECT_EQ(Sheet(1).ThrowCount(), before + 5);
}

TEST_F(ThrowDiceTest, ReserveIsTakenOnlyAfterTheTurnThrows) {
    Start(1);
    state.Sheet(1).SetLine(ReserveThrowsLine, "4");
    rules.ThrowDice();
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "2");
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "4");
    rules.ThrowDice();
    rules.ThrowDice();
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "4");
    rules.ThrowDice();
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "0");
    EXPECT_EQ(Sheet(1).Line(ReserveThrowsLine), "3");
    EXPECT_EQ(Sheet(1).ThrowCount(), 4);
}

TEST_F(ThrowDiceTest, AllSixHeldIsRefusedWithThrowsLeft) {
    Start(1);
    ThrowFaces({2, 2, 2, 2, 3, 5});
    EXPECT_EQ(state.Entry(Cell::Twos), 8);
    for (int i = 1; i <= 6; ++i) {
        rules.ToggleHold(i);
    }
    host.Clear();
    rules.ThrowDice();
    EXPECT_EQ(host.calls, (Calls{"clear highlight", "sound 3", "draw game screen", "present"}));
    EXPECT_EQ(Sheet(1).Line(TurnThrowsLine), "2");
    EXPECT_EQ(Sheet(1).ThrowCount(), 1);
    // The refused throw evaluates the lying dice again: with every 2 held, Twos has no fresh die.
    EXPECT_EQ(state.Entry(Cell::Twos), -1);
    EXPECT_EQ(host.screen, Screen::Game) << "throws are left, so no wait";
}

TEST_F(ThrowDiceTest, FreshDieDecidesTheFaceCellAcrossThrows) {
    Start(1);
    ThrowFaces({4, 4, 1, 4, 2, 4});
    EXPECT_EQ(state.Entry(Cell::Fours), 16);
    for (int i : {1, 2, 4, 6}) {
        rules.ToggleHold(i);
    }
    ThrowFaces({4, 4, 3, 4, 5, 4});
    EXPECT_EQ(state.Entry(Cell::Fours), -1) << "only held 4s: Fours offers nothing";
    ThrowFaces({4, 4, 4, 4, 5, 4});
    EXPECT_EQ(state.Entry(Cell::Fours), 20) << "a fresh 4 joins the held four";
}

TEST_F(ToggleHoldTest, DieNotYetThrownCannotBeHeld) {
    Start(1);
    rules.ToggleHold(1);
    EXPECT_TRUE(host.calls.empty()) << "no sound, no drawing before the first throw";
    EXPECT_FALSE(state.Held(1));
}

TEST_F(ToggleHoldTest, HoldsAndReleasesWithSoundAndMarkerWithoutPresenting) {
    Start(1);
    rules.ThrowDice();
    host.Clear();
    rules.ToggleHold(6);
    EXPECT_TRUE(state.Held(6));
    rules.ToggleHold(6);
    EXPECT_FALSE(state.Held(6));
    EXPECT_EQ(host.calls, (Calls{"sound 12", "image 19 260 52", "sound 12", "image 18 260 52"}));
    rules.ToggleHold(0);
    rules.ToggleHold(7);
    EXPECT_EQ(host.calls.size(), 4u) << "dice outside 1..6 do nothing";
}

} // namespace
} // namespace sixdice::game::testing
