// The Czech and the English table of texts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LanguageTexts.h"

namespace sixdice::ui {
namespace {

constexpr Texts kCzech{
    .languageName = "čeština",
    .productTitle = "Šest kostek",
    .graphicsFile = "grafika_cz.zrk",
    .rulesDocument = "pravidla.htm",
    .addPlayer = "přidej hráče >>",
    .removePlayer = "<< uber hráče",
    .defaultNames = {"hráč 1", "hráč 2", "hráč 3", "hráč 4"},
    .sendButton = "Poslat",
    .emailLabel = "Váš e-mail:",
    .endOfGame = "Konec hry - pro pokračování klikni kamkoli ...",
    .bestPlayer = "Nejvíce bodů získal(a) ",
};

constexpr Texts kEnglish{
    .languageName = "angličtina",
    .productTitle = "Six Dice",
    .graphicsFile = "grafika_en.zrk",
    .rulesDocument = "rules.htm",
    .addPlayer = "add player >>",
    .removePlayer = "<< rem player",
    .defaultNames = {"Player 1", "Player 2", "Player 3", "Player 4"},
    .sendButton = "Send",
    .emailLabel = "Your e-mail:",
    .endOfGame = "End of game - to continue point enyone ...",
    .bestPlayer = "Most points of all gained ",
};

} // namespace

const Texts& TextsOf(Language language) {
    return language == Language::Czech ? kCzech : kEnglish;
}

std::string_view LanguageName(Language language) {
    return TextsOf(language).languageName;
}

std::string_view ProductTitle(Language language) {
    return TextsOf(language).productTitle;
}

std::string_view GraphicsFileName(Language language) {
    return TextsOf(language).graphicsFile;
}

std::string_view RulesDocument(Language language) {
    return TextsOf(language).rulesDocument;
}

Language OtherLanguage(Language language) {
    return language == Language::Czech ? Language::English : Language::Czech;
}

std::string EndOfGameLine(Language language, std::string_view bestName) {
    std::string line(TextsOf(language).endOfGame);
    line += bestName;
    return line;
}

std::string BestPlayerLine(Language language, std::string_view bestName) {
    std::string line(TextsOf(language).bestPlayer);
    line += bestName;
    return line;
}

} // namespace sixdice::ui
