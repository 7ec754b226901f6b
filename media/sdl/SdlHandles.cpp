// One report per distinct SDL failure.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlHandles.h"

#include <cstdio>
#include <set>
#include <string>

namespace sixdice::media::sdl {

std::string SdlErrorText() {
    const char* e = SDL_GetError();
    return e ? e : "";
}

void ReportSdlError(const char* what) {
    static std::set<std::string> reported;
    std::string line = std::string(what) + ": " + SdlErrorText();
    if (reported.insert(line).second)
        std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace sixdice::media::sdl
