// The texts of start-up failures: which file, what is wrong with it and what the player can do,
// in Czech, then in English, then the reader's or player's own words on a line of their own.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListFile.h"
#include "media/listfile/RegularFile.h"
#include "ui/SettingsLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sixdice::ui {

// Text from a file or a decoder made safe to show in a message: valid UTF-8 stays as it is;
// NUL bytes, control characters and bytes that are no UTF-8 character become \xHH, and characters
// that turn the direction of text become \u{HHHH}. A text longer than `maxCharacters` keeps its
// beginning and its end with " … " between, so neither a cut nor a huge line reaches the player.
std::string Printable(std::string_view text, std::size_t maxCharacters = 300);

// Which of the game's files a message is about: a list file, or a picture file such as the e-mail
// form's background (read with media::LoadBmpFile).
enum class GameFile { Graphics, Sounds, Picture };

// The settings file `path` could not be read; `perUser` tells the player's own file from the
// one in the game's folder, since the remedies differ.
std::string SettingsUnreadableMessage(const std::string& path, bool perUser,
                                      const media::FileRefusal& why);

// The third settings line names neither language.
std::string UnknownLanguageMessage(const SettingsLines& settings);

// A graphics, sound or picture file could not be read or is damaged.
std::string ListFileMessage(const std::string& fileName, GameFile kind,
                            const media::LoadFailure& failure);

// A graphics or sound file holds fewer entries than the game uses.
std::string TooFewEntriesMessage(const std::string& fileName, GameFile kind, int found, int needed);

// The music that the settings line `line` names (file `path`) cannot be played: the player said
// `playerText`; `why` is what is wrong with the file itself, when something is. The game goes on
// without music.
std::string MusicMessage(const std::string& path, const std::string& line,
                         const SettingsLines& settings, const std::string& playerText,
                         const std::optional<media::FileRefusal>& why);

// There is no desktop to show the window on (`technical` says what was found instead).
std::string NoDesktopMessage(const std::string& technical);

} // namespace sixdice::ui
