// The browser build keeps nothing of the player's: the served settings file is the only one.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsLocation.h"

namespace sixdice::platform {

std::optional<std::string> PerUserSettingsFile(const std::string&) {
    return std::nullopt;
}

bool PerUserFileIsThere(const std::string&) {
    return false;
}

} // namespace sixdice::platform
