// The system's requests to end the program at once: on Linux the signals SIGTERM, SIGINT and
// SIGHUP (a logout, `kill`, Ctrl+C in the terminal); on Windows the console's Ctrl+C, Ctrl+Break
// and close and the end of the user's session. Unlike a window's close box they are not the
// player's choice, so the game ends without asking and without its farewell.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::platform {

// Called once per request, from a thread of its own (never from a signal handler), to wake the
// thread that waits for events.
using TerminationWake = void (*)();

// Starts listening for the system's requests, the first time it is called; later calls do
// nothing. Call it before the program starts other threads, so that they inherit what it sets up.
void ListenForTermination();

// True once the system has asked the program to end. Safe from any thread.
bool TerminationRequested();

// Records a request as if the system had made it (the session's end, which arrives through the
// window system). The wake runs on this thread.
void RequestTermination();

// The function that wakes the waiting thread from now on (null: none). It is never called after
// this returns with another function in its place, so the caller may stop what it wakes.
void SetTerminationWake(TerminationWake wake);

} // namespace sixdice::platform
