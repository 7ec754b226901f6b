// Program entry on the media services: main window, start-up, message loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/SettingsFile.h"
#include "game/Clock.h"
#include "ui/uMain.h"

namespace sixdice::app {

int RunGame(media::Services& services, const LoopOptions& options) {
    game::SystemClock clock;
    ui::Tmain tmain(services, &LoadSettingsFile, clock);
    if (auto failure = tmain.FormCreate()) {
        services.messageBox().ShowError(*failure);
        return 1;
    }
    services.window().Show();
    RunMessageLoop(tmain, services, options);
    return 0;
}

} // namespace sixdice::app
