// Test helper: the time of day at which a throw gives the wanted faces to the dice not held.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "game/Random.h"

#include <array>
#include <cstdint>
#include <optional>

namespace sixdice::game::testing {

// Searches the milliseconds of a day for a seed whose draws give `faces` to the dice that are
// not held (held dice draw nothing, so they do not use up numbers of the generator).
inline std::optional<std::uint32_t> TimeForFaces(const std::array<int, DiceCount>& faces,
                                                 const std::array<bool, DiceCount>& held = {}) {
    constexpr std::uint32_t msPerDay = 24u * 60u * 60u * 1000u;
    for (std::uint32_t ms = 0; ms < msPerDay; ++ms) {
        Random random(ms);
        bool match = true;
        for (int i = 0; i < DiceCount && match; ++i) {
            if (!held[i]) {
                match = random.NextFace() == faces[i];
            }
        }
        if (match) {
            return ms;
        }
    }
    return std::nullopt;
}

} // namespace sixdice::game::testing
