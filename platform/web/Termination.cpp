// The browser sends no termination requests: closing the page ends the game with it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include <atomic>

namespace sixdice::platform {
namespace {

std::atomic<bool> requested{false};
TerminationWake wakeFunction = nullptr; // the page has one thread

} // namespace

void ListenForTermination() {}

bool TerminationRequested() {
    return requested.load();
}

void RequestTermination() {
    requested.store(true);
    if (wakeFunction)
        wakeFunction();
}

void SetTerminationWake(TerminationWake wake) {
    wakeFunction = wake;
}

} // namespace sixdice::platform
