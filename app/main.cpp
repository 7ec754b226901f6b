// sixdice: the game's executable, started from the folder that holds its data files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "media/DisplayScale.h"
#include "media/Services.h"
#include "ui/LanguageTexts.h"
#include "ui/StartupMessages.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void PrintUsage(std::FILE* to) {
    std::fputs("Usage: sixdice [--scale N] [--headless] [--exit-after-first-frame]\n"
               "Starts Six Dice (Šest kostek) from the current folder, which holds\n"
               "nastaveni.zrk, grafika_cz.zrk, grafika_en.zrk, zvuky.zrk and the folder hudba.\n"
               "  --scale N                 show the game N times enlarged, 1 to 8 (else\n"
               "                            SIXDICE_SCALE, GDK_SCALE or the display decide)\n"
               "  --headless                no window or sound device (also SIXDICE_HEADLESS=1)\n"
               "  --exit-after-first-frame  end once the menu has been shown (start-up timing)\n",
               to);
}

} // namespace

int main(int argc, char** argv) {
    using namespace sixdice;
    media::ServiceOptions serviceOptions;
    serviceOptions.applicationTitle = std::string(ui::ApplicationTitle);
    serviceOptions.caption = std::string(ui::ApplicationTitle);
    serviceOptions.headless = media::HeadlessRequested();
    app::LoopOptions loopOptions;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--headless") == 0) {
            serviceOptions.headless = true;
        } else if (std::strcmp(argv[i], "--exit-after-first-frame") == 0) {
            loopOptions.exitAfterFirstFrame = true;
        } else if (std::strcmp(argv[i], "--scale") == 0 ||
                   std::strncmp(argv[i], "--scale=", 8) == 0) {
            const char* value = argv[i][7] == '=' ? argv[i] + 8 : (i + 1 < argc ? argv[++i] : "");
            serviceOptions.scale = media::ParseScale(value);
            if (!serviceOptions.scale) {
                std::fprintf(stderr,
                             "sixdice: the scale \"%s\" is not a whole number from 1 to %d\n",
                             value, media::MaxScale);
                PrintUsage(stderr);
                return 2;
            }
        } else if (std::strcmp(argv[i], "--help") == 0) {
            PrintUsage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "sixdice: unknown option \"%s\"\n", argv[i]);
            PrintUsage(stderr);
            return 2;
        }
    }

    media::ServicesResult started = media::CreateSdlServices(serviceOptions);
    if (started.noDesktop) {
        // No box can be shown: standard error is where the player looks.
        std::fprintf(stderr, "%s\n", ui::NoDesktopMessage(started.error).c_str());
        return 1;
    }
    if (!started.services) {
        media::ShowErrorWithoutServices(serviceOptions.applicationTitle, started.error,
                                        serviceOptions.headless);
        return 1;
    }
    const int exitCode = app::RunGame(*started.services, loopOptions);
    if (loopOptions.exitAfterFirstFrame && exitCode == 0) {
        // Timing scripts take the moment this line arrives, before the services shut down.
        std::puts("first frame presented");
        std::fflush(stdout);
    }
    return exitCode;
}
