// Both graphics files hold the 28 images in the catalogue's sizes; the e-mail form has its picture.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "tests/art/ArtFiles.h"
#include "tests/support/BuildPaths.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sixdice::art::test {
namespace {

struct Size {
    int image;
    int width;
    int height;
};

// Screens, board and dice have fixed sizes; the other pieces are checked against their places.
constexpr Size kFixedSizes[] = {
    {0, 400, 300}, {5, 400, 300}, {6, 400, 300}, {22, 400, 300}, {15, 547, 448}, {9, 50, 50},
    {10, 50, 50},  {11, 50, 50},  {12, 50, 50},  {13, 50, 50},   {14, 50, 50},   {25, 300, 50},
};

TEST(GraphicsFile, HoldsExactlyTwentyEightImagesWithPictures) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        ASSERT_EQ(list->entries.size(), 28u) << LanguageName(language);
        for (std::size_t n = 0; n < list->entries.size(); ++n) {
            const media::ImageEntry& entry = list->entries[n];
            EXPECT_FALSE(entry.picture.empty()) << LanguageName(language) << " image " << n;
            EXPECT_EQ(entry.patternCount(), 1)
                << LanguageName(language) << " image " << n << " must be one whole pattern";
        }
    }
}

TEST(GraphicsFile, ScreensBoardAndDiceHaveTheirSizes) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (const Size& size : kFixedSizes) {
            const media::Picture& picture = list->entries[std::size_t(size.image)].picture;
            EXPECT_EQ(picture.width, size.width)
                << LanguageName(language) << " image " << size.image;
            EXPECT_EQ(picture.height, size.height)
                << LanguageName(language) << " image " << size.image;
        }
    }
}

TEST(GraphicsFile, MarkersFitTheDieClickArea) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (const int image : {18, 19}) {
            const media::Picture& picture = list->entries[std::size_t(image)].picture;
            // Drawn at (10 + 50 (i - 1), 52); the die's click area is 31 x 31 from there.
            EXPECT_LE(picture.width, 30) << LanguageName(language) << " marker " << image;
            EXPECT_LE(picture.height, 30) << LanguageName(language) << " marker " << image;
            EXPECT_GE(picture.width, 20) << "a marker should be big enough to see";
        }
        EXPECT_EQ(list->entries[18].picture.width, list->entries[19].picture.width);
        EXPECT_EQ(list->entries[18].picture.height, list->entries[19].picture.height);
    }
}

TEST(GraphicsFile, PlayerPlatesFitTheirColumnAboveTheFirstCell) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (const int image : {16, 17}) {
            const media::Picture& plate = list->entries[std::size_t(image)].picture;
            // At (5 + 135 (p - 1), 125): the fourth plate must end inside the board, and no
            // plate may reach the figures of the first cell at y 156.
            EXPECT_LE(5 + 135 * 3 + plate.width, 547) << LanguageName(language) << " " << image;
            EXPECT_LE(plate.width, 135) << LanguageName(language) << " plate " << image;
            EXPECT_LE(125 + plate.height, 156) << LanguageName(language) << " plate " << image;
            EXPECT_GE(plate.height, 20) << "a 12-point name needs about 20 pixels";
        }
    }
}

TEST(EmailFormPicture, IsA24BitBitmapOfTheFormsSize) {
    const std::string file = AssetPath("email.bmp");
    if (!std::filesystem::exists(file)) {
        GTEST_SKIP() << "no generated e-mail form picture in " << build_paths::assetDir;
    }
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << "bits per pixel";
    media::Picture picture;
    ASSERT_FALSE(media::ReadBmpFile(bytes, picture).has_value());
    EXPECT_EQ(picture.width, 356);
    EXPECT_EQ(picture.height, 117);
    // The label, address box and button sit on it: their places must not be bright.
    for (const auto& [x, y] : {std::pair{60, 18}, std::pair{150, 46}, std::pair{170, 89}}) {
        EXPECT_LT(Luminance(picture.at(x, y)), 90) << "at " << x << "," << y;
    }
}

} // namespace
} // namespace sixdice::art::test
