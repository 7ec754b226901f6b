// The system clock's UTC time of day in milliseconds.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Clock.h"

#include <chrono>

namespace sixdice::game {

std::uint32_t SystemClock::MillisecondsSinceMidnightUtc() const {
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

} // namespace sixdice::game
