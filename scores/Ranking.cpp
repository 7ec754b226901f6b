// Ranking value: a high total reached with few throws ranks high.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Ranking.h"

#include <cfenv>
#include <cmath>

namespace sixdice::scores {

std::int32_t RankingValue(int total, int throwCount) {
    if (throwCount <= 0) {
        return 0;
    }
    const long double quotient = static_cast<long double>(total) / throwCount;
    // nearbyint rounds in the current mode; the game never changes it from to-nearest-even.
    const auto rounded = static_cast<std::int64_t>(std::nearbyintl(quotient));
    // The product wraps like a 32-bit multiplication.
    const auto product = static_cast<std::uint64_t>(rounded) * static_cast<std::uint64_t>(total);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(product));
}

std::int32_t RankingValue(const game::PlayerSheet& sheet) {
    return RankingValue(sheet.Total(), sheet.ThrowCount());
}

BestResult BestPlayer(const game::GameState& state) {
    BestResult best{1, state.Sheet(1).PlayerName(), RankingValue(state.Sheet(1))};
    for (int p = 2; p <= state.PlayerCount && p <= game::MaxPlayers; ++p) {
        const std::int32_t value = RankingValue(state.Sheet(p));
        if (value > best.value) {
            best = {p, state.Sheet(p).PlayerName(), value};
        }
    }
    return best;
}

} // namespace sixdice::scores
