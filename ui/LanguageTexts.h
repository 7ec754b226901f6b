// Everything the language decides that is a plain text: names, titles, files, captions and the
// lines drawn over the end-of-game and highscore screens. One table per language, one logic.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace sixdice::ui {

using game::Language;

// The value of CurrentLanguage: empty until a language has been chosen at start-up.
using CurrentLanguageValue = std::optional<Language>;

// The application title the desktop shows for the program, whatever the language.
inline constexpr std::string_view ApplicationTitle = "Šest kostek";

// The texts of one language.
struct Texts {
    std::string_view languageName;  // how the program names the language it runs in
    std::string_view productTitle;  // the window caption
    std::string_view graphicsFile;  // the file holding the language's image list
    std::string_view rulesDocument; // the local rules page
    std::string_view addPlayer;     // BPlus caption
    std::string_view removePlayer;  // BMinus caption
    std::array<std::string_view, 4> defaultNames;
    std::string_view sendButton; // the e-mail form's button
    std::string_view emailLabel; // the e-mail form's label
    std::string_view endOfGame;  // followed directly by the best player's name
    std::string_view bestPlayer; // the highscore screen's first line, followed by the name
};

const Texts& TextsOf(Language language);

// "čeština" / "angličtina".
std::string_view LanguageName(Language language);
// The window caption: the product title in that language.
std::string_view ProductTitle(Language language);
// The graphics file holding that language's image list.
std::string_view GraphicsFileName(Language language);
// The local rules document of that language.
std::string_view RulesDocument(Language language);
// The language the menu's flag switches to.
Language OtherLanguage(Language language);

// The end-of-game line: the language's message followed directly by the best player's name.
std::string EndOfGameLine(Language language, std::string_view bestName);
// The highscore screen's first line: the language's words followed directly by the name.
std::string BestPlayerLine(Language language, std::string_view bestName);

} // namespace sixdice::ui
