// The builder's picture bundles and the packing of bundles into one numbered image list.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/PictureBundle.h"

#include "tools/assetbuild/SvgSource.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace sixdice::art {
namespace {

TEST(PictureBundle, KeepsEveryImageThroughAFile) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("sixdice-bundle-test-" + std::to_string(::getpid()) + ".pics");
    media::Picture gradient = media::Picture::Filled(3, 2, 0);
    for (std::size_t i = 0; i < gradient.pixels.size(); ++i) {
        gradient.pixels[i] = std::uint32_t(0x010203 * (i + 1));
    }
    const std::vector<BundledImage> images{
        {7, "die", false, 0, gradient},
        {2, "menu lit", true, 0xFF00FF, media::Picture::Filled(1, 1, 0xABCDEF)}};
    SaveBundle(file, images);
    const auto back = LoadBundle(file);
    std::filesystem::remove(file);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].number, 7);
    EXPECT_EQ(back[0].name, "die");
    EXPECT_EQ(back[0].picture, gradient);
    EXPECT_TRUE(back[1].transparent);
    EXPECT_EQ(back[1].transparentColor, 0xFF00FFu);
    EXPECT_EQ(back[1].picture.at(0, 0), 0xABCDEFu);
}

TEST(PictureBundle, RefusesFilesThatAreNotBundlesOrEndEarly) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("sixdice-bundle-bad-" + std::to_string(::getpid()) + ".pics");
    std::ofstream(file, std::ios::binary) << "NOTABUNDLE";
    EXPECT_THROW(LoadBundle(file), ArtError);
    SaveBundle(file, {{0, "x", false, 0, media::Picture::Filled(4, 4, 1)}});
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - 5);
    EXPECT_THROW(LoadBundle(file), ArtError);
    std::filesystem::remove(file);
    EXPECT_THROW(LoadBundle(file), ArtError) << "a missing file";
}

TEST(BuildImageList, NumbersImagesFromTheirDeclarationsNotTheirOrder) {
    const media::ImageList list =
        BuildImageList({{1, "b", false, 0, media::Picture::Filled(2, 2, 0x222222)},
                        {0, "a", false, 0, media::Picture::Filled(1, 1, 0x111111)}},
                       2);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].name, "a");
    EXPECT_EQ(list.entries[1].picture.width, 2);
    EXPECT_FALSE(list.entries[0].transparent) << "opaque pictures are drawn whole";
    EXPECT_EQ(list.colorTable.size(), 1024u);
}

TEST(BuildImageList, StoresKeyColoursBlueGreenRed) {
    const media::ImageList list =
        BuildImageList({{0, "keyed", true, 0x123456, media::Picture::Filled(1, 1, 0)}}, 1);
    EXPECT_TRUE(list.entries[0].transparent);
    EXPECT_EQ(list.entries[0].transparentColor, 0x563412u) << "colour codes are $00BBGGRR";
}

TEST(BuildImageList, RefusesGapsDuplicatesAndStrayNumbers) {
    const auto one = [](int n) {
        return BundledImage{n, "x", false, 0, media::Picture::Filled(1, 1, 0)};
    };
    EXPECT_THROW(BuildImageList({one(0), one(2)}, 3), ArtError) << "image 1 missing";
    EXPECT_THROW(BuildImageList({one(0), one(0), one(1)}, 2), ArtError) << "image 0 twice";
    EXPECT_THROW(BuildImageList({one(0), one(28)}, 28), ArtError) << "beyond the catalogue";
}

} // namespace
} // namespace sixdice::art
