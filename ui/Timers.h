// The two timers the main window keeps, as plain clock arithmetic so the message loop can sleep
// exactly until the next tick instead of polling.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace sixdice::ui {

using Milliseconds = std::uint64_t;

// A repeating tick (the 10 ms music timer). It only needs ticking while something listens, so
// the loop arms it while music is on and disarms it otherwise; an idle menu then sleeps.
class PeriodicTimer {
public:
    explicit PeriodicTimer(Milliseconds interval) : interval_(interval) {}

    void Arm(Milliseconds now) {
        if (!next_) {
            next_ = now + interval_;
        }
    }
    void Disarm() { next_.reset(); }
    bool Armed() const { return next_.has_value(); }
    Milliseconds Interval() const { return interval_; }
    std::optional<Milliseconds> Deadline() const { return next_; }

    // True when a tick is due; the next one is scheduled one interval on. Ticks missed while a
    // handler blocked (a sound played to its end) are not made up: one tick serves them all.
    bool Take(Milliseconds now) {
        if (!next_ || now < *next_) {
            return false;
        }
        next_ = now + interval_;
        return true;
    }

private:
    Milliseconds interval_;
    std::optional<Milliseconds> next_;
};

// The one-shot delay timer of the forced pass: it counts only while the program is the active
// application, and when the program becomes active again the whole interval starts anew.
class OneShotTimer {
public:
    explicit OneShotTimer(Milliseconds interval) : interval_(interval) {}

    void Start(Milliseconds now) {
        enabled_ = true;
        countFrom_ = now;
    }
    void Stop() { enabled_ = false; }
    bool Enabled() const { return enabled_; }

    void Activate(Milliseconds now) {
        if (!active_) {
            active_ = true;
            countFrom_ = now;
        }
    }
    void Deactivate() { active_ = false; }
    bool Active() const { return active_; }

    // When it will fire if nothing changes; none while disabled or inactive.
    std::optional<Milliseconds> Deadline() const {
        if (!enabled_ || !active_) {
            return std::nullopt;
        }
        return countFrom_ + interval_;
    }
    // True once the interval has passed; the caller's handler stops the timer itself.
    bool Due(Milliseconds now) const {
        auto deadline = Deadline();
        return deadline && now >= *deadline;
    }

private:
    Milliseconds interval_;
    bool enabled_ = false;
    bool active_ = true;
    Milliseconds countFrom_ = 0;
};

// How long the loop may sleep before the earliest deadline: none means "until the next event".
inline std::optional<Milliseconds>
SleepUntilDeadline(Milliseconds now, std::optional<Milliseconds> a, std::optional<Milliseconds> b) {
    std::optional<Milliseconds> earliest = a;
    if (b && (!earliest || *b < *earliest)) {
        earliest = b;
    }
    if (!earliest) {
        return std::nullopt;
    }
    return *earliest > now ? *earliest - now : 0;
}

} // namespace sixdice::ui
