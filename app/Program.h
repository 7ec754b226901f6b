// The program from entry to exit on a set of media services.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MessageLoop.h"
#include "media/Services.h"

namespace sixdice::app {

// Creates the main window (which reads the settings and loads the lists), shows it and runs the
// message loop until it closes. A start-up failure is shown in the error message box and ends the
// program with exit code 1; otherwise the exit code is 0. Nothing is ever written to disk.
int RunGame(media::Services& services, const LoopOptions& options = {});

} // namespace sixdice::app
