// EvaluateThrow: the scoring table, held dice, written cells, and every throw of six dice
// against a reference that states the rules by counting faces.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Scoring.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace sixdice::game {
namespace {

using Dice6 = std::array<int, 6>;
using Offers = std::map<Cell, int>;

std::string Describe(const Dice6& dice) {
    std::ostringstream out;
    for (int d : dice) {
        out << d << ' ';
    }
    return out.str();
}

GameState FreshState() {
    GameState state;
    NewGame(state, 1, {"Eva", "", "", ""});
    return state;
}

// What ThrowDice does around the evaluation: load the sheet, then evaluate.
void Evaluate(GameState& state, const Dice6& dice) {
    state.Dice = dice;
    LoadActiveSheet(state);
    EvaluateThrow(state);
}

Offers Offered(const GameState& state) {
    Offers offers;
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (state.Entry(cell) > 0) {
            offers[static_cast<Cell>(cell)] = state.Entry(cell);
        }
    }
    return offers;
}

struct ScoringCase {
    Dice6 dice;
    Offers offers;
};

const ScoringCase scoringTable[] = {
    {{1, 2, 3, 4, 5, 6}, {{Cell::Straight, 21}}},
    {{2, 2, 2, 2, 3, 5}, {{Cell::Twos, 8}}},
    {{2, 2, 2, 2, 2, 6}, {{Cell::Twos, 10}}},
    {{5, 5, 5, 5, 5, 5}, {{Cell::Fives, 30}, {Cell::SixOfAKind, 30}}},
    {{1, 1, 2, 2, 2, 2}, {{Cell::Twos, 8}, {Cell::FourAndPair, 10}}},
    {{3, 3, 3, 3, 5, 5}, {{Cell::Threes, 12}, {Cell::FourAndPair, 22}}},
    {{1, 1, 1, 2, 2, 6}, {{Cell::TriplePairSingle, 13}}},
    {{1, 2, 2, 5, 5, 5}, {{Cell::SinglePairTriple, 20}}},
    {{1, 1, 1, 2, 6, 6}, {}},
    {{1, 1, 3, 3, 6, 6}, {{Cell::ThreePairs, 20}}},
    {{4, 4, 4, 6, 6, 6}, {{Cell::TwoTriples, 30}}},
    {{1, 1, 1, 4, 5, 6}, {}},
    // Triples with a pair and a single in the other orders score nowhere.
    {{1, 1, 2, 2, 2, 3}, {}},
    {{1, 1, 1, 2, 3, 3}, {}},
    {{1, 2, 2, 2, 3, 3}, {}},
    {{1, 1, 2, 3, 3, 3}, {}},
    {{6, 6, 6, 6, 6, 1}, {{Cell::Sixes, 30}}},
    {{3, 3, 3, 3, 3, 3}, {{Cell::Threes, 18}, {Cell::SixOfAKind, 18}}},
    {{1, 1, 1, 1, 1, 2}, {{Cell::Ones, 5}}},
    {{2, 3, 3, 3, 3, 3}, {{Cell::Threes, 15}}},
};

TEST(EvaluateThrow, ScoringTableInEveryOrderOfTheDice) {
    for (const ScoringCase& c : scoringTable) {
        Dice6 dice = c.dice;
        std::sort(dice.begin(), dice.end());
        do {
            GameState state = FreshState();
            Evaluate(state, dice);
            EXPECT_EQ(Offered(state), c.offers) << "dice " << Describe(dice);
        } while (std::next_permutation(dice.begin(), dice.end()));
    }
}

TEST(EvaluateThrow, FreeCellsNotScoredStayMinusOne) {
    GameState state = FreshState();
    state.Sheet(1).SetNumber(CellLine(Cell::Ones), 4);
    Evaluate(state, {2, 2, 2, 2, 3, 5});
    EXPECT_EQ(state.Entry(Cell::Ones), 0);
    EXPECT_EQ(state.Entry(Cell::Twos), 8);
    for (int cell = 3; cell <= CellCount; ++cell) {
        EXPECT_EQ(state.Entry(cell), -1) << "cell " << cell;
    }
    EXPECT_EQ(state.KindFace, 2);
}

TEST(EvaluateThrow, SixOfAKindScoresWhenTheFaceCellIsWritten) {
    GameState state = FreshState();
    state.Sheet(1).SetNumber(CellLine(Cell::Twos), 8);
    state.KindFace = 5;
    Evaluate(state, {2, 2, 2, 2, 2, 2});
    EXPECT_EQ(Offered(state), (Offers{{Cell::SixOfAKind, 12}}));
    EXPECT_EQ(state.KindFace, 5) << "a written face cell leaves KindFace as it was";
}

TEST(EvaluateThrow, WrittenCellIsNeverOffered) {
    for (const ScoringCase& c : scoringTable) {
        GameState state = FreshState();
        for (int cell = 1; cell <= CellCount; ++cell) {
            state.Sheet(1).SetNumber(CellLine(cell), 1);
        }
        Evaluate(state, c.dice);
        EXPECT_TRUE(Offered(state).empty()) << "dice " << Describe(c.dice);
    }
}

TEST(EvaluateThrow, FourOfAKindFromHeldDiceOnlyScoresNothingInItsFaceCell) {
    GameState state = FreshState();
    Evaluate(state, {4, 4, 1, 4, 2, 4});
    EXPECT_EQ(Offered(state), (Offers{{Cell::Fours, 16}}));

    // The four 4s are held; the other two come up 3 and 5.
    state.DieHeld = {true, true, false, true, false, true};
    Evaluate(state, {4, 4, 3, 4, 5, 4});
    EXPECT_EQ(Offered(state), Offers{}) << "no fresh 4: Fours offers nothing";
    EXPECT_EQ(state.Entry(Cell::Fours), -1);

    // One of them comes up 4: a fresh die joins the run.
    Evaluate(state, {4, 4, 4, 4, 5, 4});
    EXPECT_EQ(Offered(state), (Offers{{Cell::Fours, 20}}));
}

TEST(EvaluateThrow, HeldDiceStillScoreInCombinationCells) {
    GameState state = FreshState();
    state.DieHeld = {true, true, true, true, false, false};
    Evaluate(state, {3, 3, 3, 3, 5, 5});
    EXPECT_EQ(Offered(state), (Offers{{Cell::FourAndPair, 22}}))
        << "the fresh-die rule applies to face cells only";

    state.DieHeld.fill(true);
    state.DieHeld[5] = false;
    Evaluate(state, {6, 6, 6, 6, 6, 6});
    EXPECT_EQ(Offered(state), (Offers{{Cell::Sixes, 36}, {Cell::SixOfAKind, 36}}));
}

TEST(EvaluateThrow, LeftOverKindFaceDoesNotTakeAwayAnotherOffer) {
    GameState state = FreshState();
    state.KindFace = 4;
    state.DieHeld = {true, true, true, false, false, false};
    Evaluate(state, {1, 1, 3, 3, 6, 6});
    EXPECT_EQ(Offered(state), (Offers{{Cell::ThreePairs, 20}}));
    EXPECT_EQ(state.Entry(Cell::Fours), -1);
}

TEST(EvaluateThrow, UnthrownDiceScoreNothing) {
    GameState state = FreshState();
    Evaluate(state, {0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(Offered(state).empty());
    EXPECT_EQ(state.KindFace, 0);
}

// The rules restated by counting faces, to check the exact order of tests against.
struct Reference {
    std::array<int, 13> entries;
    int kindFace;
};

Reference ReferenceEvaluate(const PlayerSheet& sheet, const Dice6& dice,
                            const std::array<bool, 6>& held, int kindFace) {
    Reference r{};
    for (int cell = 1; cell <= 13; ++cell) {
        r.entries[cell - 1] = sheet.IsFree(cell) ? -1 : 0;
    }
    r.kindFace = kindFace;
    int count[7] = {};
    int sum = 0;
    for (int d : dice) {
        ++count[d];
        sum += d;
    }
    auto credit = [&](int cell, int value) {
        if (r.entries[cell - 1] == -1) {
            r.entries[cell - 1] = value;
        }
    };
    for (int f = 1; f <= 6; ++f) {
        if (count[f] >= 4) {
            if (r.entries[f - 1] == -1) {
                r.kindFace = f;
            }
            credit(f, count[f] * f);
            if (count[f] == 6) {
                credit(13, 6 * f);
            }
        }
    }
    // Faces with each count, in rising order of face.
    std::vector<int> byCount[7];
    for (int f = 1; f <= 6; ++f) {
        byCount[count[f]].push_back(f);
    }
    if (byCount[3].size() == 1 && byCount[2].size() == 1 && byCount[1].size() == 1) {
        const int triple = byCount[3][0], pair = byCount[2][0], single = byCount[1][0];
        if (triple < pair && pair < single) {
            credit(9, sum);
        }
        if (single < pair && pair < triple) {
            credit(8, sum);
        }
    }
    if (byCount[1].size() == 6) {
        credit(7, 21);
    }
    if (byCount[2].size() == 3) {
        credit(10, sum);
    }
    if (byCount[3].size() == 2) {
        credit(12, sum);
    }
    if (byCount[4].size() == 1 && byCount[2].size() == 1) {
        credit(11, sum);
    }
    if (r.kindFace >= 1) {
        bool fresh = false;
        for (int i = 0; i < 6; ++i) {
            fresh = fresh || (!held[i] && dice[i] == r.kindFace);
        }
        if (!fresh) {
            r.entries[r.kindFace - 1] = -1;
        }
    }
    return r;
}

TEST(EvaluateThrow, EveryThrowMatchesTheFaceCountingRules) {
    std::mt19937 rng(20261208);
    int checked = 0;
    for (int code = 0; code < 46656; ++code) {
        Dice6 dice;
        int rest = code;
        for (int& d : dice) {
            d = rest % 6 + 1;
            rest /= 6;
        }
        // Each throw on a fresh sheet with nothing held, then on a random sheet with random holds.
        for (int variant = 0; variant < 2; ++variant) {
            GameState state = FreshState();
            std::array<bool, 6> held{};
            if (variant == 1) {
                for (int cell = 1; cell <= 13; ++cell) {
                    if (rng() % 3 == 0) {
                        state.Sheet(1).SetNumber(CellLine(cell), 1 + int(rng() % 30));
                    }
                }
                for (bool& h : held) {
                    h = rng() % 2 == 0;
                }
                state.KindFace = int(rng() % 7);
            }
            state.DieHeld = held;
            const Reference expected =
                ReferenceEvaluate(state.Sheet(1), dice, held, state.KindFace);
            Evaluate(state, dice);
            ASSERT_EQ(state.ActiveSheet, expected.entries)
                << "dice " << Describe(dice) << "variant " << variant;
            ASSERT_EQ(state.KindFace, expected.kindFace) << "dice " << Describe(dice);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2 * 46656);
}

} // namespace
} // namespace sixdice::game
