// Font files by face: pinned files for reproducible tests, otherwise the platform's lookup.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FontLocator.h"

#include "platform/FontFiles.h"
#include "platform/Utf8Path.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace sixdice::media::sdl {
namespace {

bool SameFace(const std::string& a, const char* b) {
    const std::string_view other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::vector<std::string> PinnedFontFiles(const std::string& face) {
    if (SameFace(face, "Arial Black"))
        return {"Lato-Black.ttf", "DejaVuSans-Bold.ttf"};
    if (SameFace(face, "MS Sans Serif"))
        return {"DejaVuSans.ttf"};
    if (SameFace(face, "MS Sans Serif Bold"))
        return {"DejaVuSans-Bold.ttf"};
    return {face + ".ttf", "DejaVuSans.ttf"};
}

std::string LocateFontFile(const std::string& face) {
    if (const char* dir = std::getenv("SIXDICE_FONT_DIR"); dir && *dir) {
        for (const auto& name : PinnedFontFiles(face)) {
            const std::filesystem::path path =
                platform::PathFromUtf8(dir) / platform::PathFromUtf8(name);
            std::error_code ec;
            if (std::filesystem::is_regular_file(path, ec))
                return platform::Utf8FromPath(path);
        }
        return {};
    }
    return platform::InstalledFontFile(face, PinnedFontFiles(face));
}

} // namespace sixdice::media::sdl
