// EvaluateThrow: four-or-more in the face cells, the six-dice patterns, the fresh-die rule.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Scoring.h"

#include <array>

namespace sixdice::game {
namespace {

using Sorted = std::array<int, DiceCount>;

Sorted SortDice(const std::array<int, DiceCount>& dice) {
    Sorted s = dice;
    for (int i = 1; i < DiceCount; ++i) {
        const int v = s[i];
        int j = i;
        for (; j > 0 && s[j - 1] > v; --j) {
            s[j] = s[j - 1];
        }
        s[j] = v;
    }
    return s;
}

// A run of four equal dice of face `face` has been found, extended to `count` dice. The sheet
// is reloaded first, so a longer run found later replaces the value of a shorter one.
void CreditRun(GameState& state, int face, int count) {
    LoadActiveSheet(state);
    if (state.Entry(face) == FreeEntry) {
        state.Entry(face) = count * face;
        state.KindFace = face;
    }
    if (count == DiceCount && state.Entry(Cell::SixOfAKind) == FreeEntry) {
        state.Entry(Cell::SixOfAKind) = DiceCount * face;
    }
}

void CreditIfFree(GameState& state, Cell cell, int value) {
    if (state.Entry(cell) == FreeEntry) {
        state.Entry(cell) = value;
    }
}

} // namespace

void EvaluateThrow(GameState& state) {
    for (int face : state.Dice) {
        if (face < 1 || face > 6) {
            return; // nothing thrown yet: nothing to score
        }
    }
    const Sorted s = SortDice(state.Dice);
    const int sum = s[0] + s[1] + s[2] + s[3] + s[4] + s[5];

    // Runs of four, tested from the top of the sorted dice down.
    if (s[2] == s[3] && s[3] == s[4] && s[4] == s[5]) {
        CreditRun(state, s[2], 4);
    }
    if (s[1] == s[2] && s[2] == s[3] && s[3] == s[4]) {
        CreditRun(state, s[1], s[4] == s[5] ? 5 : 4);
    }
    if (s[0] == s[1] && s[1] == s[2] && s[2] == s[3]) {
        const int count = s[3] != s[4] ? 4 : (s[4] == s[5] ? 6 : 5);
        CreditRun(state, s[0], count);
    }

    // Patterns of all six dice; each scores the sum of the dice.
    if (s[0] == s[1] && s[1] == s[2] && s[3] == s[4] && s[3] != s[2] && s[4] != s[5]) {
        CreditIfFree(state, Cell::TriplePairSingle, sum); // AAA BB C
    }
    if (s[1] == s[2] && s[0] != s[1] && s[2] != s[3] && s[3] == s[4] && s[4] == s[5]) {
        CreditIfFree(state, Cell::SinglePairTriple, sum); // A BB CCC
    }
    if (s[0] < s[1] && s[1] < s[2] && s[2] < s[3] && s[3] < s[4] && s[4] < s[5]) {
        CreditIfFree(state, Cell::Straight, sum); // 1 2 3 4 5 6
    }
    if (s[0] == s[1] && s[2] == s[3] && s[2] != s[1] && s[4] == s[5] && s[4] != s[3]) {
        CreditIfFree(state, Cell::ThreePairs, sum); // AA BB CC
    }
    if (s[0] == s[1] && s[1] == s[2] && s[3] == s[4] && s[4] == s[5] && s[4] != s[0]) {
        CreditIfFree(state, Cell::TwoTriples, sum); // AAA BBB
    }
    if (s[0] == s[1] && s[2] == s[3] && s[1] != s[2] && s[3] == s[4] && s[4] == s[5]) {
        CreditIfFree(state, Cell::FourAndPair, sum); // AA BBBB
    }
    if (s[0] == s[1] && s[1] == s[2] && s[2] == s[3] && s[4] == s[5] && s[4] != s[3]) {
        CreditIfFree(state, Cell::FourAndPair, sum); // AAAA BB
    }

    // A face cell counts only if a die of its face comes from the latest throw.
    if (state.KindFace >= 1 && state.KindFace <= 6) {
        bool fresh = false;
        for (int i = 1; i <= DiceCount; ++i) {
            fresh = fresh || (!state.Held(i) && state.Die(i) == state.KindFace);
        }
        if (!fresh) {
            state.Entry(state.KindFace) = FreeEntry;
        }
    }
}

} // namespace sixdice::game
