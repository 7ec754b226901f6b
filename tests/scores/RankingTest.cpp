// Ranking values and the choice of the best player of a finished game.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Ranking.h"

#include <gtest/gtest.h>

namespace sixdice::scores {
namespace {

struct RankingCase {
    int total;
    int throwCount;
    std::int32_t expected;
};

TEST(RankingValue, QuotientRoundedHalfToEvenTimesTotal) {
    const RankingCase cases[] = {
        {180, 36, 900},                 // 5 x 180
        {200, 60, 600},                 // 3.33 -> 3
        {150, 60, 300},                 // 2.5 -> 2
        {210, 60, 840},                 // 3.5 -> 4
        {90, 20, 360},                  // 4.5 -> 4
        {110, 20, 660},                 // 5.5 -> 6
        {10, 40, 0},                    // 0.25 -> 0
        {20, 40, 0},                    // 0.5 -> 0
        {30, 40, 30},                   // 0.75 -> 1
        {0, 13, 0},     {185, 39, 925}, // 4.74 -> 5
    };
    for (const RankingCase& c : cases) {
        EXPECT_EQ(RankingValue(c.total, c.throwCount), c.expected)
            << c.total << " points in " << c.throwCount << " throws";
    }
}

TEST(RankingValue, NoThrowsGivesZeroInsteadOfDividingByZero) {
    EXPECT_EQ(RankingValue(150, 0), 0);
    EXPECT_EQ(RankingValue(0, 0), 0);
}

TEST(RankingValue, ProductWrapsLikeA32BitMultiplication) {
    // 100000 / 1 = 100000; 100000 * 100000 = 10^10, which wraps to 1410065408.
    EXPECT_EQ(RankingValue(100000, 1), 1410065408);
}

game::GameState Finished(std::initializer_list<std::tuple<const char*, int, int>> players) {
    game::GameState state;
    std::array<std::string, game::MaxPlayers> names{};
    int p = 0;
    for (const auto& player : players) {
        names[static_cast<std::size_t>(p++)] = std::get<0>(player);
    }
    game::NewGame(state, p, names);
    p = 1;
    for (const auto& [name, total, throws] : players) {
        state.Sheet(p).SetNumber(game::TotalLine, total);
        state.Sheet(p).SetNumber(game::ThrowCountLine, throws);
        ++p;
    }
    return state;
}

TEST(BestPlayer, ASinglePlayerIsTheBestWhateverTheValue) {
    EXPECT_EQ(BestPlayer(Finished({{"Eva", 0, 40}})), (BestResult{1, "Eva", 0}));
}

TEST(BestPlayer, TieKeepsTheLowerNumberedPlayer) {
    const auto state = Finished({{"Eva", 180, 36}, {"Jan", 150, 30}, {"Petr", 180, 36}});
    EXPECT_EQ(BestPlayer(state), (BestResult{1, "Eva", 900}));
}

TEST(BestPlayer, HigherTotalDoesNotAlwaysWin) {
    const auto state = Finished({{"Jan", 200, 60}, {"Eva", 180, 36}});
    EXPECT_EQ(BestPlayer(state), (BestResult{2, "Eva", 900}));
}

TEST(BestPlayer, OnlyPlayersTakingPartCount) {
    auto state = Finished({{"Eva", 100, 50}, {"Jan", 120, 40}, {"Iva", 300, 30}, {"Petr", 90, 30}});
    EXPECT_EQ(BestPlayer(state), (BestResult{3, "Iva", 3000}));
    state.PlayerCount = 2; // sheets of a larger earlier game are not looked at
    EXPECT_EQ(BestPlayer(state), (BestResult{2, "Jan", 360}));
}

TEST(BestPlayer, LastPlayerCanWin) {
    const auto state =
        Finished({{"Eva", 100, 50}, {"Jan", 120, 40}, {"Iva", 90, 30}, {"Petr", 300, 30}});
    EXPECT_EQ(BestPlayer(state), (BestResult{4, "Petr", 3000}));
}

} // namespace
} // namespace sixdice::scores
