// The game as the page plays it: the data files in the order the first frame needs them, then the
// desktop program's start-up and message loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/PageGame.h"

#include "app/Program.h"
#include "platform/DataFiles.h"
#include "ui/SettingsLines.h"

#include <iterator>
#include <vector>

namespace sixdice::platform::web {
namespace {

constexpr const char* kFontFiles[] = {"Lato-Black.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans.ttf"};

std::string GraphicsFile(const std::string& language) {
    return language == "CZ" ? "grafika_cz.zrk" : "grafika_en.zrk";
}

} // namespace

PageGameEnd PlayInPage(media::Services& services, const PageChoices& choices) {
    // What the first frame needs comes first, with the bar: the settings, the chosen language's
    // pictures and the sounds. The settings file may not change the language the page chose, so
    // they come in one go.
    AwaitDataFiles({ui::SettingsFileName, GraphicsFile(choices.language), "zvuky.zrk"});

    const app::GameEnd end = app::PlayGame(
        services,
        [&choices](const std::string& fileName, ui::SettingsLines& lines) {
            return LoadPageSettings(fileName, choices, lines);
        },
        [&choices] {
            // The fonts, the other language's pictures and the e-mail form's background come
            // quietly meanwhile; whatever needs one of them first waits for it.
            std::vector<std::string> later(std::begin(kFontFiles), std::end(kFontFiles));
            later.push_back(GraphicsFile(choices.language == "CZ" ? "EN" : "CZ"));
            later.push_back("email.bmp");
            PrefetchDataFiles(later);
        });
    if (!end.language)
        return {end.exitCode, choices.language};
    return {end.exitCode, *end.language == ui::Language::Czech ? "CZ" : "EN"};
}

} // namespace sixdice::platform::web
