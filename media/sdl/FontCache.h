// Opened fonts by face and size, kept for the whole run.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/sdl/SdlHandles.h"

#include <map>
#include <string>
#include <utility>

namespace sixdice::media::sdl {

class FontCache {
public:
    // Points are converted at 96 dots per inch, as the desktop the game was drawn for does.
    static constexpr int kDpi = 96;

    // The font, opened on first use; nullptr (reported once) when no file could be found or opened.
    TTF_Font* Get(const std::string& face, int points);

private:
    std::map<std::pair<std::string, int>, SdlPtr<TTF_Font>> fonts_;
    std::map<std::string, std::string> files_;
};

} // namespace sixdice::media::sdl
