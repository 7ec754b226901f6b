// Fonts in the browser build: no fonts are installed; the files the game ships are fetched into
// the working folder after the first frame, and the first lookup waits for them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontFiles.h"

#include "platform/DataFiles.h"

#include <filesystem>

namespace sixdice::platform {

std::string InstalledFontFile(const std::string&, const std::vector<std::string>& shippedFiles) {
    // The menu needs no text, so the fonts come after it; the first text waits for them.
    AwaitDataFiles(shippedFiles);
    for (const std::string& name : shippedFiles) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(name, ec))
            return name;
    }
    return {};
}

} // namespace sixdice::platform
