// The clock that seeds the random generator: milliseconds since midnight UTC.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sixdice::game {

class Clock {
public:
    virtual ~Clock() = default;
    // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond of the current UTC time of day.
    virtual std::uint32_t MillisecondsSinceMidnightUtc() const = 0;
};

// The system's real-time clock.
class SystemClock final : public Clock {
public:
    std::uint32_t MillisecondsSinceMidnightUtc() const override;
};

// A clock that always reads the time it was set to (tests, replays).
class FixedClock final : public Clock {
public:
    explicit FixedClock(std::uint32_t millisecondsSinceMidnight = 0)
        : milliseconds_(millisecondsSinceMidnight) {}
    void Set(std::uint32_t millisecondsSinceMidnight) { milliseconds_ = millisecondsSinceMidnight; }
    std::uint32_t MillisecondsSinceMidnightUtc() const override { return milliseconds_; }

private:
    std::uint32_t milliseconds_;
};

// Milliseconds since midnight for a time of day.
constexpr std::uint32_t TimeOfDay(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

} // namespace sixdice::game
