// Everything the language decides that is a plain text: names, titles, files and the end-of-game
// line.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace sixdice::ui {

using game::Language;

// The value of CurrentLanguage: empty until a language has been chosen at start-up.
using CurrentLanguageValue = std::optional<Language>;

// The application title the desktop shows for the program, whatever the language.
inline constexpr std::string_view ApplicationTitle = "Šest kostek";

// "čeština" / "angličtina": how the program names the language it runs in.
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

} // namespace sixdice::ui
