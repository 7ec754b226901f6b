// The ranking value of a finished game's players and the choice of the best of them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <cstdint>
#include <string>

namespace sixdice::scores {

// round(total / throwCount), halves to the even integer, times total, as a signed 32-bit product.
// A throw count of 0 (or less) gives 0 instead of dividing by zero.
std::int32_t RankingValue(int total, int throwCount);
// The same from a sheet's Total and ThrowCount lines.
std::int32_t RankingValue(const game::PlayerSheet& sheet);

struct BestResult {
    int player = 1; // 1..4
    std::string name;
    std::int32_t value = 0;
    friend bool operator==(const BestResult&, const BestResult&) = default;
};

// Player 1 unconditionally, then players 2..PlayerCount in order, each only when strictly
// better: a tie keeps the lower-numbered player. Reads the sheets as the game left them; this
// is also the winner the end-of-game line names.
BestResult BestPlayer(const game::GameState& state);

} // namespace sixdice::scores
