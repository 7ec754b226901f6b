// Reading the settings file: code page 1250 text, one entry per line.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SettingsLines.h"

#include <optional>
#include <string>
#include <string_view>

namespace sixdice::app {

// Decodes code page 1250 bytes to UTF-8; the five bytes the code page leaves undefined become
// U+FFFD, so no byte of the file is silently lost.
std::string DecodeCp1250(std::string_view bytes);

// Splits decoded text into lines: a line ends at LF, one CR before the LF is dropped, and a last
// line without LF still counts when it is not empty.
ui::SettingsLines SplitSettingsText(std::string_view bytes);

// The settings file to read: the player's own (platform::PerUserSettingsFile: on Linux
// $XDG_CONFIG_HOME/sixdice/NAME, by default ~/.config/sixdice/NAME; on Windows
// %APPDATA%\SixDice\NAME) whenever something by that name is there, even a file that cannot be
// read, which is then reported; else NAME in the working folder, also when the player's folder
// cannot be looked at or holds a link that leads nowhere. A name with a folder in it is taken as
// it stands.
std::string SettingsFilePath(const std::string& fileName);

// Reads the settings file at `path` (a regular file of at most 4 KB, never written); on failure
// returns the text the player is shown and leaves `lines` empty. Either way the lines' source is
// `path`. `perUser` says it is the player's own file, whose messages suggest other remedies.
std::optional<std::string> ReadSettingsFile(const std::string& path, ui::SettingsLines& lines,
                                            bool perUser);

// Reads the settings file that SettingsFilePath chooses for `fileName`.
std::optional<std::string> LoadSettingsFile(const std::string& fileName, ui::SettingsLines& lines);

} // namespace sixdice::app
