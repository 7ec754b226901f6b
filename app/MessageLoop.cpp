// The message loop: waits in the event source, serves the timers and hands events to Tmain.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageLoop.h"

#include <algorithm>
#include <limits>

namespace sixdice::app {
namespace {

// The event source waits at most the timeout it is given; this is about 24 days.
constexpr int WaitForever = std::numeric_limits<int>::max();
constexpr std::uint64_t FirstFramePoll = 1;

int TimeoutFor(std::optional<std::uint64_t> sleep) {
    if (!sleep) {
        return WaitForever;
    }
    return static_cast<int>(std::min<std::uint64_t>(*sleep, std::numeric_limits<int>::max()));
}

} // namespace

void RunMessageLoop(ui::Tmain& tmain, media::Services& services, const LoopOptions& options) {
    media::EventSource& events = services.events();
    const std::uint64_t started = events.Ticks();
    std::optional<std::uint64_t> endAt;
    if (options.runFor) {
        endAt = started + *options.runFor;
    }

    while (!tmain.Closed()) {
        const std::uint64_t now = events.Ticks();
        if (endAt && now >= *endAt) {
            return;
        }
        tmain.RunDueTimers(now);
        if (options.exitAfterFirstFrame && services.graphics().PresentCount() > 0) {
            return;
        }
        std::optional<std::uint64_t> sleep = tmain.TimeToNextTimer(events.Ticks());
        if (endAt) {
            const std::uint64_t left = *endAt > now ? *endAt - now : 0;
            sleep = sleep ? std::min(*sleep, left) : left;
        }
        if (options.exitAfterFirstFrame) {
            // The first frame comes from the restore notification inside the wait; look often.
            sleep = std::min<std::uint64_t>(sleep.value_or(FirstFramePoll), FirstFramePoll);
        }
        std::optional<media::InputEvent> event = events.WaitEvent(TimeoutFor(sleep));

        // A burst of movements over the main window: each one is handled in order, the frame is
        // presented once.
        bool moved = false;
        while (event && event->kind == media::EventKind::MouseMove &&
               event->window == media::EventWindow::Main) {
            tmain.HandleEvent(*event);
            moved = true;
            event = events.WaitEvent(0);
        }
        if (moved) {
            tmain.Present();
        }
        if (event) {
            tmain.HandleEvent(*event);
        }
    }
}

} // namespace sixdice::app
