// Program entry on the media services: main window, start-up, message loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/SettingsFile.h"
#include "game/Clock.h"
#include "ui/uMain.h"

namespace sixdice::app {

GameEnd PlayGame(media::Services& services, ui::SettingsLoader loadSettings,
                 const std::function<void()>& afterShow, const LoopOptions& options) {
    game::SystemClock clock;
    ui::Tmain tmain(services, std::move(loadSettings), clock);
    if (auto failure = tmain.FormCreate()) {
        services.messageBox().ShowError(*failure);
        return {1, tmain.CurrentLanguage()};
    }
    services.window().Show();
    if (afterShow)
        afterShow();
    RunMessageLoop(tmain, services, options);
    return {0, tmain.CurrentLanguage()};
}

int RunGame(media::Services& services, const LoopOptions& options) {
    return PlayGame(services, &LoadSettingsFile, {}, options).exitCode;
}

} // namespace sixdice::app
