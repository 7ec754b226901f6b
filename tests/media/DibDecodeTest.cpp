// Picture blocks decoded to known pixels: palettes, 16/24/32 bits, row order, RLE, and refusals.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"
#include "media/listfile/BmpFile.h"

#include <gtest/gtest.h>

namespace sixdice::media::test {
namespace {

constexpr const char* kWrap = "Error reading TPictureCollectionComponent.List: Error reading "
                              "TPictureCollectionItem.Picture.Data: ";

Picture Decode(const DibLayout& d, std::string* error = nullptr) {
    ImageList list;
    const std::string e = ReadImages(TdibFile(d), list);
    if (error) {
        *error = e.rfind(kWrap, 0) == 0 ? e.substr(std::string(kWrap).size()) : e;
    } else {
        EXPECT_EQ(e, "");
    }
    return list.entries.empty() ? Picture{} : list.entries[0].picture;
}

std::string Refusal(const DibLayout& d) {
    std::string error;
    Decode(d, &error);
    return error;
}

Bytes Palette(std::initializer_list<std::uint32_t> rgb) {
    Bytes out;
    for (auto c : rgb) {
        out.insert(out.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 0});
    }
    return out;
}

TEST(DibDecode, TwentyFourBitsBottomUpAndTopDownLookTheSame) {
    // Two rows of two pixels, row padding to four bytes. Stored bottom row first.
    DibLayout d;
    d.width = 2;
    d.height = 2;
    d.pixels = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,  // bottom row
                0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0, 0}; // top row
    const Picture up = Decode(d);
    ASSERT_EQ(up.width, 2);
    ASSERT_EQ(up.height, 2);
    EXPECT_EQ(up.at(0, 0), 0x102030u);
    EXPECT_EQ(up.at(1, 0), 0x405060u);
    EXPECT_EQ(up.at(0, 1), 0x010203u);
    EXPECT_EQ(up.at(1, 1), 0x040506u);
    DibLayout down = d;
    down.height = -2;
    down.pixels = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0, 0,
                   0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0};
    EXPECT_EQ(Decode(down), up);
}

TEST(DibDecode, PaletteDepths) {
    DibLayout one;
    one.width = 10;
    one.bitCount = 1;
    one.palette = Palette({0x000000, 0xFFFFFF});
    one.pixels = {0b10100000, 0b01000000, 0, 0};
    const Picture p1 = Decode(one);
    EXPECT_EQ(p1.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(p1.at(1, 0), 0u);
    EXPECT_EQ(p1.at(2, 0), 0xFFFFFFu);
    EXPECT_EQ(p1.at(9, 0), 0xFFFFFFu);

    DibLayout four;
    four.width = 3;
    four.bitCount = 4;
    four.colorsUsed = 3;
    four.palette = Palette({0x111111, 0x222222, 0x333333});
    four.pixels = {0x21, 0x00, 0, 0};
    const Picture p4 = Decode(four);
    EXPECT_EQ(p4.at(0, 0), 0x333333u);
    EXPECT_EQ(p4.at(1, 0), 0x222222u);
    EXPECT_EQ(p4.at(2, 0), 0x111111u);

    DibLayout eight;
    eight.width = 2;
    eight.bitCount = 8;
    eight.colorsUsed = 2;
    eight.palette = Palette({0xABCDEF, 0x123456});
    eight.pixels = {1, 7, 0, 0};
    const Picture p8 = Decode(eight);
    EXPECT_EQ(p8.at(0, 0), 0x123456u);
    EXPECT_EQ(p8.at(1, 0), 0u) << "an index past the table is black";
}

TEST(DibDecode, SixteenBitFormats) {
    DibLayout d555;
    d555.width = 2;
    d555.bitCount = 16;
    d555.pixels = {0x00, 0x7C, 0xFF, 0x7F}; // pure red, white
    const Picture p555 = Decode(d555);
    EXPECT_EQ(p555.at(0, 0), 0xFF0000u);
    EXPECT_EQ(p555.at(1, 0), 0xFFFFFFu);

    DibLayout d565 = d555;
    d565.compression = 3;
    d565.masks = Stream().u32(0xF800).u32(0x07E0).u32(0x001F).bytes();
    d565.pixels = {0xE0, 0x07, 0x1F, 0x00}; // pure green, pure blue
    const Picture p565 = Decode(d565);
    EXPECT_EQ(p565.at(0, 0), 0x00FF00u);
    EXPECT_EQ(p565.at(1, 0), 0x0000FFu);

    DibLayout bitCountsOnly = d565;
    bitCountsOnly.masks = Stream().u32(0x1F).u32(0x7E0).u32(0xF800).bytes();
    EXPECT_EQ(Decode(bitCountsOnly), p565) << "only the number of bits in each mask matters";

    DibLayout fields555 = d555;
    fields555.compression = 3;
    fields555.masks = Stream().u32(0x7C00).u32(0x03E0).u32(0x001F).bytes();
    EXPECT_EQ(Decode(fields555), p555);
}

TEST(DibDecode, ThirtyTwoBitsIgnoreTheFourthByte) {
    DibLayout d;
    d.width = 1;
    d.bitCount = 32;
    d.pixels = {0x33, 0x22, 0x11, 0xEE};
    EXPECT_EQ(Decode(d).at(0, 0), 0x112233u);
    d.compression = 3;
    d.masks = Stream().u32(0xFF0000).u32(0xFF00).u32(0xFF).bytes();
    EXPECT_EQ(Decode(d).at(0, 0), 0x112233u);
}

TEST(DibDecode, TwelveByteHeaderWithThreeBytePalette) {
    Stream s;
    s.u32(12).u16(2).u16(1).u16(1).u16(1);
    s.raw(Bytes{0x01, 0x02, 0x03, 0x0A, 0x0B, 0x0C}); // two colours, blue green red
    s.raw(Bytes{0b10000000, 0, 0, 0});
    ImageList list;
    ASSERT_EQ(ReadImages(ListFileWith({EntryWithPicture(PictureBlock("TDIB", s.bytes()))}), list),
              "");
    ASSERT_EQ(list.entries.size(), 1u);
    const Picture& p = list.entries[0].picture;
    EXPECT_EQ(p.width, 2);
    EXPECT_EQ(p.at(0, 0), 0x0C0B0Au);
    EXPECT_EQ(p.at(1, 0), 0x030201u);
}

TEST(DibDecode, Rle8RunsLiteralsDeltaAndLineEnds) {
    DibLayout d;
    d.width = 4;
    d.height = 3;
    d.bitCount = 8;
    d.compression = 1;
    d.colorsUsed = 4;
    d.palette = Palette({0x000000, 0x0000FF, 0x00FF00, 0xFF0000});
    d.pixels = {0, 3, 2, 3, 1, 0, // bottom row: literal 2 3 1, padded to a word
                0, 0,             // end of line
                1, 1,             // middle row: one of colour 1
                0, 2, 1, 1,       // move one right and one row up
                2, 3,             // top row: two of colour 3 at x = 2, 3
                5, 2,             // a run past the right edge is cut off
                0, 1};            // end of picture
    d.imageSize = std::uint32_t(d.pixels.size());
    const Picture p = Decode(d);
    ASSERT_EQ(p.width, 4);
    const std::uint32_t expected[3][4] = {
        {0, 0, 0xFF0000, 0xFF0000}, {0x0000FF, 0, 0, 0}, {0x00FF00, 0xFF0000, 0x0000FF, 0}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(p.at(x, y), expected[y][x]) << "pixel " << x << "," << y;
        }
    }
}

TEST(DibDecode, Rle4AlternatesNibbles) {
    DibLayout d;
    d.width = 5;
    d.height = 1;
    d.bitCount = 4;
    d.compression = 2;
    d.colorsUsed = 3;
    d.palette = Palette({0x000000, 0x111111, 0x222222});
    d.pixels = {3, 0x12, 0, 3, 0x21, 0x20, 0, 1}; // run 1 2 1, then literal 2 1 2 cut at the edge
    d.imageSize = std::uint32_t(d.pixels.size());
    const Picture p = Decode(d);
    EXPECT_EQ(p.at(0, 0), 0x111111u);
    EXPECT_EQ(p.at(1, 0), 0x222222u);
    EXPECT_EQ(p.at(2, 0), 0x111111u);
    EXPECT_EQ(p.at(3, 0), 0x222222u);
    EXPECT_EQ(p.at(4, 0), 0x111111u);
}

TEST(DibDecode, RefusalTexts) {
    DibLayout base;
    base.width = 1;
    base.pixels = {0, 0, 0, 0};
    struct Case {
        const char* what;
        DibLayout layout;
        std::string message;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change, std::string message) {
        DibLayout d = base;
        change(d);
        cases.push_back({what, d, std::move(message)});
    };
    add(
        "bit count 2", [](DibLayout& d) { d.bitCount = 2; }, "Bitcount in invalid (2)");
    add(
        "bit count 0", [](DibLayout& d) { d.bitCount = 0; }, "Bitcount in invalid (0)");
    add(
        "bit count 15", [](DibLayout& d) { d.bitCount = 15; }, "Bitcount in invalid (15)");
    add(
        "16 bits 6-5-5",
        [](DibLayout& d) {
            d.bitCount = 16;
            d.compression = 3;
            d.masks = Stream().u32(0xFC00).u32(0x3E0).u32(0x1F).bytes();
        },
        "PixelFormat in invalid");
    add(
        "32 bits 10-10-10",
        [](DibLayout& d) {
            d.bitCount = 32;
            d.compression = 3;
            d.masks = Stream().u32(0x3FF00000).u32(0xFFC00).u32(0x3FF).bytes();
        },
        "PixelFormat in invalid");
    add(
        "compression 4", [](DibLayout& d) { d.compression = 4; }, "DIB is invalid");
    add(
        "RLE8 at 24 bits", [](DibLayout& d) { d.compression = 1; }, "DIB is invalid");
    add(
        "width 0", [](DibLayout& d) { d.width = 0; }, "DIB is invalid");
    add(
        "height 0", [](DibLayout& d) { d.height = 0; }, "DIB is invalid");
    add(
        "negative width", [](DibLayout& d) { d.width = -1; }, "DIB is invalid");
    add(
        "width 16385", [](DibLayout& d) { d.width = 16385; }, "DIB is invalid");
    add(
        "height -16385", [](DibLayout& d) { d.height = -16385; }, "DIB is invalid");
    add(
        "rows past the block", [](DibLayout& d) { d.height = 2; }, "DIB is invalid");
    add(
        "RLE data past the block",
        [](DibLayout& d) {
            d.bitCount = 8;
            d.compression = 1;
            d.imageSize = 1000;
            d.pixels = Bytes(1024 + 10, 0);
        },
        "DIB is invalid");
    add(
        "RLE claiming a huge picture",
        [](DibLayout& d) {
            d.bitCount = 8;
            d.compression = 1;
            d.width = 16384;
            d.height = 16384;
            d.imageSize = 2;
            d.pixels = Bytes(1024 + 2, 0);
        },
        "DIB is invalid");
    add(
        "palette cut short",
        [](DibLayout& d) {
            d.bitCount = 8;
            d.pixels = Bytes(100, 0);
        },
        "Stream read error");
    for (const auto& c : cases) {
        EXPECT_EQ(Refusal(c.layout), c.message) << c.what;
    }
}

TEST(DibDecode, ShortAndEmptyBlocks) {
    auto fileWith = [](const Bytes& dib) {
        return ListFileWith({EntryWithPicture(PictureBlock("TDIB", dib))});
    };
    ImageList list;
    EXPECT_EQ(ReadImages(fileWith({}), list), "");
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_TRUE(list.entries[0].picture.empty()) << "a TDIB with no data is an empty picture";
    EXPECT_EQ(ReadImages(fileWith({40, 0, 0}), list), std::string(kWrap) + "DIB is invalid");
    EXPECT_EQ(ReadImages(fileWith({41, 0, 0, 0}), list), std::string(kWrap) + "DIB is invalid");
    EXPECT_EQ(ReadImages(fileWith({40, 0, 0, 0, 1}), list),
              std::string(kWrap) + "Stream read error");
}

TEST(BitmapBlock, CompleteFileEmptyOrRefused) {
    Picture pic;
    pic.width = 3;
    pic.height = 2;
    pic.pixels = {1, 2, 3, 0x10000, 0x20000, 0xFFFFFF};
    const Bytes bmp = WriteBmpFile(pic);
    ImageList list;
    ASSERT_EQ(
        ReadImages(ListFileWith({EntryWithPicture(PictureBlock(
                       "TBitmap", Stream().u32(std::uint32_t(bmp.size())).raw(bmp).bytes()))}),
                   list),
        "");
    EXPECT_EQ(list.entries.at(0).picture, pic);

    ASSERT_EQ(ReadImages(ListFileWith(
                             {EntryWithPicture(PictureBlock("TBitmap", Stream().u32(0).bytes()))}),
                         list),
              "");
    EXPECT_TRUE(list.entries.at(0).picture.empty());

    Bytes notBm = bmp;
    notBm[0] = 'X';
    EXPECT_EQ(
        ReadImages(ListFileWith({EntryWithPicture(PictureBlock(
                       "TBitmap", Stream().u32(std::uint32_t(notBm.size())).raw(notBm).bytes()))}),
                   list),
        std::string(kWrap) + "Bitmap image is not valid");
    EXPECT_EQ(
        ReadImages(ListFileWith({EntryWithPicture(PictureBlock(
                       "TBitmap", Stream().u32(std::uint32_t(bmp.size() + 1)).raw(bmp).bytes()))}),
                   list),
        std::string(kWrap) + "Stream read error");
}

TEST(BitmapBlock, UnknownPictureKindLeavesTheEntryEmptyAndLoadingGoesOn) {
    const Bytes odd = Stream()
                          .binProp("Picture.Data", PictureBlock("TIcon", Bytes(50, 7)))
                          .textProp("Name", "icon")
                          .bytes();
    const Bytes lower = EntryWithPicture(PictureBlock("tdib", Bytes{1, 2}));
    const Bytes next = Stream().textProp("Name", "next").bytes();
    ImageList list;
    ASSERT_EQ(ReadImages(ListFileWith({odd, lower, next}), list), "");
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_TRUE(list.entries[0].picture.empty());
    EXPECT_EQ(list.entries[0].name, "icon");
    EXPECT_TRUE(list.entries[1].picture.empty()) << "class names compare with their case";
    EXPECT_EQ(list.entries[2].name, "next");
}

} // namespace
} // namespace sixdice::media::test
