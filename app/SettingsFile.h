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

// Reads the file from disk (read-only); on failure returns the text the player is shown and
// leaves `lines` empty.
std::optional<std::string> LoadSettingsFile(const std::string& fileName, ui::SettingsLines& lines);

} // namespace sixdice::app
