// The system's request to end the program as a flag, and the function that wakes the waiting
// thread when it is made.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationRequests.h"

#include "platform/Termination.h"

#include <atomic>
#include <mutex>

namespace sixdice::platform {
namespace {

std::atomic<bool> requested{false};
std::mutex wakeMutex;
TerminationWake wakeFunction = nullptr;

} // namespace

void MarkTerminationRequested() {
    static_assert(std::atomic<bool>::is_always_lock_free, "signal handlers set the flag");
    requested.store(true);
}

void WakeTerminationWaiter() {
    const std::lock_guard lock(wakeMutex);
    if (wakeFunction)
        wakeFunction();
}

bool TerminationRequested() {
    return requested.load();
}

void RequestTermination() {
    MarkTerminationRequested();
    WakeTerminationWaiter();
}

void SetTerminationWake(TerminationWake wake) {
    const std::lock_guard lock(wakeMutex);
    wakeFunction = wake;
}

} // namespace sixdice::platform
