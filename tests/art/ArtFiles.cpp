// Loading the generated graphics files once for all art tests, and the pixel predicates.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/art/ArtFiles.h"

#include "media/listfile/ListFile.h"
#include "tests/support/BuildPaths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace sixdice::art::test {

std::string AssetPath(const std::string& name) {
    return (std::filesystem::path(build_paths::assetDir) / name).string();
}

const media::ImageList* GraphicsFile(Language language) {
    static std::map<Language, std::unique_ptr<media::ImageList>> loaded;
    auto it = loaded.find(language);
    if (it == loaded.end()) {
        const std::string file =
            AssetPath(language == Language::Czech ? "grafika_cz.zrk" : "grafika_en.zrk");
        std::unique_ptr<media::ImageList> list;
        if (std::filesystem::exists(file)) {
            list = std::make_unique<media::ImageList>();
            if (const auto failure = media::LoadImageList(file, *list)) {
                ADD_FAILURE() << file << " does not load: " << failure->message;
                list.reset();
            }
        }
        it = loaded.emplace(language, std::move(list)).first;
    }
    return it->second.get();
}

int Red(std::uint32_t pixel) {
    return int(pixel >> 16 & 0xFF);
}
int Green(std::uint32_t pixel) {
    return int(pixel >> 8 & 0xFF);
}
int Blue(std::uint32_t pixel) {
    return int(pixel & 0xFF);
}

double Luminance(std::uint32_t pixel) {
    return 0.299 * Red(pixel) + 0.587 * Green(pixel) + 0.114 * Blue(pixel);
}

bool IsFelt(std::uint32_t pixel) {
    return Green(pixel) > Red(pixel) + 15 && Green(pixel) > Blue(pixel) + 10;
}

bool IsPlate(std::uint32_t pixel) {
    return Red(pixel) >= Green(pixel) && !IsFelt(pixel);
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    return std::max(
        {std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b))});
}

} // namespace sixdice::art::test
