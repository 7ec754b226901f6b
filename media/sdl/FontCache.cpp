// Opens each (face, size) once with TTF_OpenFontDPI.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FontCache.h"

#include "media/sdl/FontLocator.h"

#include <cstdio>

namespace sixdice::media::sdl {

TTF_Font* FontCache::Get(const std::string& face, int points) {
    const auto key = std::make_pair(face, points);
    if (const auto it = fonts_.find(key); it != fonts_.end())
        return it->second.get();
    auto file = files_.find(face);
    if (file == files_.end())
        file = files_.emplace(face, LocateFontFile(face)).first;
    SdlPtr<TTF_Font> font;
    if (file->second.empty()) {
        std::fprintf(stderr, "No font file found for \"%s\"\n", face.c_str());
    } else if (points > 0) {
        font.reset(TTF_OpenFontDPI(file->second.c_str(), points, kDpi, kDpi));
        if (!font)
            ReportSdlError(("TTF_OpenFontDPI " + file->second).c_str());
    }
    TTF_Font* raw = font.get();
    fonts_.emplace(key, std::move(font)); // a failure is remembered, so it is reported once
    return raw;
}

} // namespace sixdice::media::sdl
