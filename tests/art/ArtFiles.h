// Shared helpers of the art tests: the generated graphics files, loaded once, and pixel tests.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"
#include "tests/support/BuildPaths.h"
#include "tools/assetbuild/HotAreas.h"

#include <gtest/gtest.h>
#include <string>

namespace sixdice::art::test {

// The graphics file of a language from the asset folder, or nullptr when it is not there.
const media::ImageList* GraphicsFile(Language language);

// Skips the current test (with a message) when the asset folder lacks the generated files.
#define SIXDICE_REQUIRE_ART(list, language)                                                        \
    const media::ImageList* list = ::sixdice::art::test::GraphicsFile(language);                   \
    if (list == nullptr) {                                                                         \
        GTEST_SKIP() << "no generated graphics file in " << build_paths::assetDir;                 \
    }

std::string AssetPath(const std::string& name);

// Both languages, for table-driven loops with a readable name.
inline constexpr Language kLanguages[] = {Language::Czech, Language::English};
inline const char* LanguageName(Language language) {
    return language == Language::Czech ? "Czech" : "English";
}

int Red(std::uint32_t pixel);
int Green(std::uint32_t pixel);
int Blue(std::uint32_t pixel);
// Perceived brightness 0..255.
double Luminance(std::uint32_t pixel);
// The table's felt: clearly green, neither gold nor cream nor ivory.
bool IsFelt(std::uint32_t pixel);
// A pixel of a gold plate or its dark rim: warm, red at least as strong as green.
bool IsPlate(std::uint32_t pixel);
// The largest difference of one colour channel between two pixels.
int ChannelDistance(std::uint32_t a, std::uint32_t b);

} // namespace sixdice::art::test
