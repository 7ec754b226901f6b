// The request flag and the wake-up that every system's listener shares; the listeners themselves
// (signals, console events, the session's end) are the systems' own.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::platform {

// Records the request and nothing more: safe inside a signal handler.
void MarkTerminationRequested();

// Runs the wake function set by SetTerminationWake, if any (never inside a signal handler).
void WakeTerminationWaiter();

} // namespace sixdice::platform
