// The message loop: one thread, asleep until the next event or timer tick.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Services.h"
#include "ui/uMain.h"

#include <cstdint>
#include <optional>

namespace sixdice::app {

struct LoopOptions {
    // End the loop once the first frame has been presented (start-up timing).
    bool exitAfterFirstFrame = false;
    // End the loop after this many milliseconds of running (measurements); none: until closed.
    std::optional<std::uint64_t> runFor;
};

// Runs until the main window has closed (or an option ends it). Pointer movements queued together
// are handled one by one and presented once at the end of the burst.
void RunMessageLoop(ui::Tmain& tmain, media::Services& services, const LoopOptions& options = {});

} // namespace sixdice::app
