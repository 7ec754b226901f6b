// The program from entry to exit on a set of media services.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MessageLoop.h"
#include "media/Services.h"
#include "ui/LanguageTexts.h"
#include "ui/SettingsLines.h"

#include <functional>

namespace sixdice::app {

// How a game ended: 1 after a start-up failure (shown in the error box), else 0, and the language
// it was in then (none when start-up failed before choosing one).
struct GameEnd {
    int exitCode = 0;
    ui::CurrentLanguageValue language;
};

// Creates the main window (which reads the settings through `loadSettings` and loads the lists),
// shows it, runs `afterShow` (when given) and runs the message loop until the window closes. A
// start-up failure is shown in the error message box and ends the game at once. Everything of the
// game is gone when this returns. Nothing is ever written to disk.
GameEnd PlayGame(media::Services& services, ui::SettingsLoader loadSettings,
                 const std::function<void()>& afterShow = {}, const LoopOptions& options = {});

// The desktop program: PlayGame with the settings file beside the program; its exit code.
int RunGame(media::Services& services, const LoopOptions& options = {});

} // namespace sixdice::app
