// The per-language texts of the main window.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LanguageTexts.h"

namespace sixdice::ui {

std::string_view LanguageName(Language language) {
    return language == Language::Czech ? "čeština" : "angličtina";
}

std::string_view ProductTitle(Language language) {
    return language == Language::Czech ? "Šest kostek" : "Six Dice";
}

std::string_view GraphicsFileName(Language language) {
    return language == Language::Czech ? "grafika_cz.zrk" : "grafika_en.zrk";
}

std::string_view RulesDocument(Language language) {
    return language == Language::Czech ? "pravidla.htm" : "rules.htm";
}

Language OtherLanguage(Language language) {
    return language == Language::Czech ? Language::English : Language::Czech;
}

std::string EndOfGameLine(Language language, std::string_view bestName) {
    std::string line = language == Language::Czech
                           ? "Konec hry - pro pokračování klikni kamkoli ..."
                           : "End of game - to continue point enyone ...";
    line += bestName;
    return line;
}

} // namespace sixdice::ui
