// The Windows icon file: its directory, bitmap entries (bottom-up rows, transparency mask) and
// PNG entries, read back as Windows would read them, and the sizes it refuses.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/IcoFile.h"

#include <gtest/gtest.h>

namespace sixdice::art {
namespace {

// A picture whose every pixel differs: alpha 0 on the diagonal, the position in the colour.
IconPicture Numbered(int size) {
    IconPicture p;
    p.size = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint32_t alpha = x == y ? 0u : 0x80u + std::uint32_t(x);
            p.pixels.push_back(alpha << 24 | std::uint32_t(y) << 8 | std::uint32_t(x));
        }
    }
    return p;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(IcoFile, BitmapEntriesRoundTripWithTheirDirectory) {
    const std::vector<IcoEntry> entries = {{Numbered(16), {}}, {Numbered(33), {}}};
    const std::vector<std::uint8_t> bytes = WriteIco(entries);
    std::string error;
    const auto contents = ReadIco(bytes, error);
    ASSERT_TRUE(contents) << error;
    ASSERT_EQ(contents->entries.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(contents->entries[i].isPng);
        EXPECT_EQ(contents->entries[i].bitCount, 32);
        EXPECT_EQ(contents->entries[i].size, entries[i].picture.size);
        EXPECT_EQ(contents->entries[i].picture.pixels, entries[i].picture.pixels);
    }
    // The first picture's data follows the directory; its size is header, colours and mask.
    EXPECT_EQ(Le32(bytes, 6 + 12), 6u + 2 * 16);
    EXPECT_EQ(Le32(bytes, 6 + 8), 40u + 16 * 16 * 4 + 16 * 4);
    // 33 pixels wide: mask rows take 64 bits each.
    EXPECT_EQ(Le32(bytes, 6 + 16 + 8), 40u + 33 * 33 * 4 + 33 * 8);
    EXPECT_EQ(Le32(bytes, 6 + 16 + 12), Le32(bytes, 6 + 12) + Le32(bytes, 6 + 8));
    EXPECT_EQ(Le32(bytes, 6 + 16 + 12) + Le32(bytes, 6 + 16 + 8), bytes.size());
}

TEST(IcoFile, TheMaskMarksFullyTransparentPixelsBottomRowFirst) {
    const std::vector<std::uint8_t> bytes = WriteIco({{Numbered(16), {}}});
    const std::size_t mask = 6 + 16 + 40 + 16 * 16 * 4;
    for (int row = 0; row < 16; ++row) {
        const int y = 15 - row; // rows run bottom-up; the transparent pixel of row y is x = y
        const std::uint32_t bits =
            std::uint32_t(bytes[mask + row * 4]) << 8 | bytes[mask + row * 4 + 1];
        EXPECT_EQ(bits, 0x8000u >> y) << "row " << row;
        EXPECT_EQ(bytes[mask + row * 4 + 2], 0) << "padding stays clear";
    }
    // The colour rows start with the bottom row: its first pixel is (0, 15).
    EXPECT_EQ(Le32(bytes, 6 + 16 + 40), Numbered(16).pixels[15 * 16]);
}

TEST(IcoFile, A256PixelEntryIsStoredAsPngWithSizeZero) {
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
    IcoEntry big;
    big.picture.size = 256;
    big.png = png;
    const std::vector<std::uint8_t> bytes = WriteIco({{Numbered(16), {}}, big});
    EXPECT_EQ(bytes[6 + 16], 0) << "width 256 is written as 0";
    EXPECT_EQ(bytes[6 + 16 + 1], 0);
    std::string error;
    const auto contents = ReadIco(bytes, error);
    ASSERT_TRUE(contents) << error;
    EXPECT_TRUE(contents->entries[1].isPng);
    EXPECT_EQ(contents->entries[1].size, 256);
    EXPECT_EQ(contents->entries[1].png, png);
}

TEST(IcoFile, RefusesSizesItCannotHold) {
    EXPECT_THROW(WriteIco({}), ArtError);
    EXPECT_THROW(WriteIco({{Numbered(16), {}}, {Numbered(16), {}}}), ArtError) << "twice";
    IconPicture huge;
    huge.size = 257;
    EXPECT_THROW(WriteIco({{huge, {1}}}), ArtError);
    IconPicture shortPicture = Numbered(8);
    shortPicture.pixels.pop_back();
    EXPECT_THROW(WriteIco({{shortPicture, {}}}), ArtError);
}

TEST(IcoFile, ReadingRefusesDamagedFiles) {
    const std::vector<std::uint8_t> good = WriteIco({{Numbered(8), {}}});
    std::string error;
    auto cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(ReadIco(cut, error)) << "colour rows or mask cut short";
    auto cursor = good;
    cursor[2] = 2;
    EXPECT_FALSE(ReadIco(cursor, error)) << "a cursor file";
    auto outside = good;
    outside[6 + 12] = 0xFF;
    outside[6 + 13] = 0xFF;
    EXPECT_FALSE(ReadIco(outside, error)) << "an offset past the end";
    EXPECT_FALSE(ReadIco({}, error));
}

} // namespace
} // namespace sixdice::art
