// What the page's address and the browser choose for the game: the language and the music.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SettingsLines.h"

#include <optional>
#include <string>
#include <string_view>

namespace sixdice::platform::web {

struct PageChoices {
    // "CZ" or "EN": from the address's lang= when it names one of them (in any letter case),
    // else from the browser's preferred languages (Czech first: "CZ", anything else: "EN").
    std::string language = "EN";
    // The address said music=0 (also "off", "no", "false"): no music at all.
    bool musicOff = false;
};

// `query` is the address's query part, with or without its leading "?"; `preferred` the browser's
// preferred languages, most wanted first, separated by commas (navigator.languages).
PageChoices ChoosePageOptions(std::string_view query, std::string_view preferred);

// The value of `name` in a query ("a=1&b=x%C3%A1"), "+" and %XX decoded; nothing when absent.
std::optional<std::string> QueryValue(std::string_view query, std::string_view name);

// Reads the settings file `path` as the desktop game does (its third line must still name CZ or
// EN) and then lets the page's choices speak: the third line becomes their language and, with
// music off, the first two lines become "0". A failure's text as the desktop game words it.
std::optional<std::string> LoadPageSettings(const std::string& path, const PageChoices& choices,
                                            ui::SettingsLines& lines);

} // namespace sixdice::platform::web
