// The player's settings on Linux: the desktop's configuration folder, looked at with stat.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsLocation.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace sixdice::platform {

std::optional<std::string> PerUserSettingsFile(const std::string& fileName) {
    // Only absolute folders count, as the desktop's configuration rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        return std::string(config) + "/sixdice/" + fileName;
    }
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        return std::string(home) + "/.config/sixdice/" + fileName;
    }
    return std::nullopt;
}

bool PerUserFileIsThere(const std::string& path) {
    struct stat st {};
    // stat follows links, so a link that leads nowhere is as good as no file. The file's own
    // permissions do not matter to stat: a file that is there but may not be read is there, and
    // the reader says why it cannot read it.
    if (::stat(path.c_str(), &st) == 0) {
        return true;
    }
    switch (errno) {
    case ENOENT:       // nothing there, or a link to nothing
    case ENOTDIR:      // a file where a folder should be on the way
    case EACCES:       // a folder on the way that may not be searched
    case ELOOP:        // links that lead round in a circle
    case ENAMETOOLONG: // a configuration folder too deep to name
        return false;
    default:
        return true; // something is there but the system failed on it: the reader reports it
    }
}

} // namespace sixdice::platform
