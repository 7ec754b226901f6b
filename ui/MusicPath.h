// Where a settings line's music lives: the folder "hudba" beside the program.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::ui {

// "hudba\" + the line, unchanged but for the separators: settings files name their folders with
// backslashes, which this platform writes as "/".
inline std::string MusicPath(const std::string& settingsLine) {
    std::string path = "hudba/" + settingsLine;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

} // namespace sixdice::ui
