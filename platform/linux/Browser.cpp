// Opening addresses on Linux: SDL hands them to xdg-open, which asks the desktop's browser.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Browser.h"

#include <SDL.h>

namespace sixdice::platform {

std::optional<std::string> OpenInBrowser(const std::string& url) {
    if (SDL_OpenURL(url.c_str()) != 0) {
        return std::string(SDL_GetError());
    }
    return std::nullopt;
}

} // namespace sixdice::platform
