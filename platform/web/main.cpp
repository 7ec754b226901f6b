// sixdice in the browser: the page hands over its address and the browser's languages; the data
// files are fetched with a loading bar, then the game runs on the canvas until its farewell.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Services.h"
#include "platform/web/DataFileProgress.h"
#include "platform/web/LoadingBar.h"
#include "platform/web/PageChoices.h"
#include "platform/web/PageGame.h"
#include "ui/LanguageTexts.h"

#include <cstdlib>
#include <cstring>
#include <emscripten.h>
#include <string>

// The page turns into its plain "thanks for playing" state in the game's last language.
EM_JS(void, sixdice_page_farewell, (const char* language), {
    if (Module.sixdiceFarewell) {
        Module.sixdiceFarewell(UTF8ToString(language));
    }
});

namespace {

using namespace sixdice;

std::string Argument(int argc, char** argv, const char* prefix) {
    const std::size_t length = std::strlen(prefix);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, length) == 0)
            return argv[i] + length;
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    const platform::web::PageChoices choices = platform::web::ChoosePageOptions(
        Argument(argc, argv, "--query="), Argument(argc, argv, "--languages="));

    // The page is served by the on-line table's own server: the table and the submissions are
    // on the page's origin.
    const std::string origin = Argument(argc, argv, "--origin=");
    if (origin.rfind("http://", 0) == 0 || origin.rfind("https://", 0) == 0)
        setenv("SIXDICE_SCORE_SERVER", origin.c_str(), 1);

    media::ServiceOptions options;
    options.applicationTitle = std::string(ui::ApplicationTitle);
    options.caption = std::string(ui::ApplicationTitle);
    media::ServicesResult started = media::CreateSdlServices(options);
    if (!started.services) {
        media::ShowErrorWithoutServices(options.applicationTitle, started.error);
        return 1;
    }
    media::Services& services = *started.services;
    media::Graphics& graphics = services.graphics();
    // Before the game's first picture the bar stands alone on the felt, and goes again when the
    // files are in: whatever comes next (the menu or an error box) is shown on a clean felt.
    // Later waits draw it over the game's picture, which the game redraws once they are over.
    int barFrames = 0; // frames the bar presented: until the game presents one, the bar is alone
    platform::web::SetDataFileProgress([&graphics, &barFrames](std::uint64_t loaded,
                                                               std::uint64_t expected,
                                                               platform::web::ProgressStep step) {
        using platform::web::ProgressStep;
        // The game waits while the bar is drawn, so nothing else presents during one wait.
        const bool barAlone = graphics.PresentCount() == barFrames;
        if (step == ProgressStep::Done) {
            if (!barAlone)
                return;
            platform::web::ClearLoadingBar(graphics);
        } else {
            platform::web::DrawLoadingBar(graphics, loaded, expected,
                                          step == ProgressStep::First && barAlone);
        }
        graphics.Present();
        ++barFrames;
    });

    // The game ends before its services: nothing of it may reach them once they are shut down.
    const platform::web::PageGameEnd end = platform::web::PlayInPage(services, choices);
    platform::web::SetDataFileProgress({});
    started.services.reset();
    sixdice_page_farewell(end.language.c_str());
    return end.exitCode;
}
