// The game's random source: a 32-bit linear congruential generator reseeded from the clock.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"

#include <cstdint>

namespace sixdice::game {

class Random {
public:
    explicit Random(std::uint32_t seed = 0) : state_(seed) {}

    void Seed(std::uint32_t seed) { state_ = seed; }
    // Seeds with the clock's milliseconds since midnight UTC (done before every throw).
    void Reseed(const Clock& clock) { state_ = clock.MillisecondsSinceMidnightUtc(); }

    // Advances S := S * 134775813 + 1 and returns the upper 32 bits of S * range: 0..range-1.
    std::uint32_t Next(std::uint32_t range) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{state_} * range) >> 32);
    }
    // One die face, 1..6.
    int NextFace() { return static_cast<int>(Next(6)) + 1; }

    std::uint32_t State() const { return state_; }

private:
    std::uint32_t state_;
};

} // namespace sixdice::game
