// Where the player's own settings file lives, and whether there is one to read.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace sixdice::platform {

// The player's own file of that name (UTF-8): on Linux $XDG_CONFIG_HOME/sixdice/NAME (by default
// ~/.config/sixdice/NAME), on Windows %APPDATA%\SixDice\NAME. Nothing when the system names no
// such folder for this user.
std::optional<std::string> PerUserSettingsFile(const std::string& fileName);

// True when something by the name `path` is there to be read or reported: a file, a folder, a
// link that leads somewhere. False when nothing is there or the place cannot even be looked at
// (a folder on the way that may not be searched or is no folder, a loop of links, a link that
// leads nowhere): the game then reads the working folder's file, as when the player has none.
bool PerUserFileIsThere(const std::string& path);

} // namespace sixdice::platform
