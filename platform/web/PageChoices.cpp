// The page's address and the browser's languages turned into the game's start-up choices.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/PageChoices.h"

#include "app/SettingsFile.h"
#include "ui/StartupMessages.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace sixdice::platform::web {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out.push_back(' ');
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
            i += 2;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    return parts;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::string> QueryValue(std::string_view query, std::string_view name) {
    if (!query.empty() && query.front() == '?')
        query.remove_prefix(1);
    const std::size_t hash = query.find('#');
    if (hash != std::string_view::npos)
        query = query.substr(0, hash);
    for (std::string_view pair : Split(query, '&')) {
        const std::size_t equals = pair.find('=');
        const std::string key = Unescape(pair.substr(0, equals));
        if (key != name)
            continue;
        return equals == std::string_view::npos ? std::string() : Unescape(pair.substr(equals + 1));
    }
    return std::nullopt;
}

PageChoices ChoosePageOptions(std::string_view query, std::string_view preferred) {
    PageChoices choices;
    const std::optional<std::string> lang = QueryValue(query, "lang");
    const std::string asked = lang ? Lower(Trimmed(*lang)) : std::string();
    if (asked == "cz" || asked == "en") {
        choices.language = asked == "cz" ? "CZ" : "EN";
    } else {
        // The first preferred language decides: "cs", "cs-CZ" and the like are Czech.
        const std::vector<std::string_view> languages = Split(preferred, ',');
        const std::string first = languages.empty() ? std::string() : Lower(Trimmed(languages[0]));
        const bool czech =
            first == "cs" || first.rfind("cs-", 0) == 0 || first.rfind("cs_", 0) == 0;
        choices.language = czech ? "CZ" : "EN";
    }
    if (const std::optional<std::string> music = QueryValue(query, "music")) {
        const std::string value = Lower(Trimmed(*music));
        choices.musicOff = value == "0" || value == "off" || value == "no" || value == "false";
    }
    return choices;
}

std::optional<std::string> LoadPageSettings(const std::string& path, const PageChoices& choices,
                                            ui::SettingsLines& lines) {
    if (auto failure = app::ReadSettingsFile(path, lines, /*perUser=*/false))
        return failure;
    if (lines.StartLanguage() != "CZ" && lines.StartLanguage() != "EN")
        return ui::UnknownLanguageMessage(lines);
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < std::max<std::size_t>(lines.Count(), 3); ++i)
        chosen.push_back(lines.Line(i));
    chosen[2] = choices.language;
    if (choices.musicOff)
        chosen[0] = chosen[1] = "0";
    lines = ui::SettingsLines(std::move(chosen), lines.Source());
    return std::nullopt;
}

} // namespace sixdice::platform::web
