// What the writer writes, the reader reads back identically; and the writer's own layout.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace sixdice::media::test {
namespace {

Picture Gradient(int w, int h) {
    Picture p;
    p.width = w;
    p.height = h;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            p.pixels.push_back(std::uint32_t((x * 37) & 255) << 16 |
                               std::uint32_t((y * 11) & 255) << 8 | std::uint32_t((x + y) & 255));
        }
    }
    return p;
}

ImageList SampleImages() {
    ImageList list;
    list.colorTable.resize(1024);
    for (std::size_t i = 0; i < 1024; ++i) {
        list.colorTable[i] = std::uint8_t(i);
    }
    ImageEntry a;
    a.name = "menu";
    a.picture = Gradient(5, 3); // odd width: row padding
    ImageEntry b;
    b.name = std::string(300, 'x'); // long text
    b.patternWidth = 2;
    b.patternHeight = -1;
    b.skipWidth = 1;
    b.skipHeight = 70000;
    b.systemMemory = true;
    b.transparent = false;
    b.transparentColor = 0x00FF00FF;
    b.picture = Gradient(7, 4);
    ImageEntry c; // no picture at all
    c.transparentColor = 0x80000005;
    ImageEntry d;
    d.transparentColor = 0x1FFFFFFF;
    d.picture = Gradient(1, 1);
    list.entries = {a, b, c, d};
    return list;
}

TEST(RoundTrip, ImagesInBothPictureStorages) {
    const ImageList list = SampleImages();
    for (PictureStorage storage : {PictureStorage::Dib, PictureStorage::Bitmap}) {
        ImageList back;
        ASSERT_EQ(ReadImages(WriteImageList(list, "grafika", storage), back), "")
            << (storage == PictureStorage::Dib ? "TDIB" : "TBitmap");
        EXPECT_EQ(back, list) << (storage == PictureStorage::Dib ? "TDIB" : "TBitmap");
    }
}

TEST(RoundTrip, Sounds) {
    SoundList list;
    SoundEntry a;
    a.name = "hod";
    a.format = Stream().u16(1).u16(1).u32(11025).u32(11025).u16(1).u16(8).bytes();
    a.samples = Bytes{1, 2, 3};
    SoundEntry b;
    b.looped = true;
    b.maxPlayingCount = 3;
    b.format = Bytes{1, 0, 2}; // odd format block: stored without padding
    SoundEntry c;              // nothing recorded
    list.entries = {a, b, c};
    SoundList back;
    ASSERT_EQ(ReadSounds(WriteSoundList(list, "zvuky"), back), "");
    EXPECT_EQ(back, list);
}

TEST(WriterLayout, HeaderNameUpperCasedAndCutAndStreamLengthFilledIn) {
    const Bytes file = WriteSoundList({}, "zvuky.zrk");
    ASSERT_GE(file.size(), 16u);
    EXPECT_EQ(file[0], 255);
    EXPECT_EQ(file[1] | file[2] << 8, 10);
    EXPECT_EQ(std::string(file.begin() + 3, file.begin() + 12), "ZVUKY.ZRK");
    EXPECT_EQ(file[12], 0);
    EXPECT_EQ(file[13] | file[14] << 8, 0x1030);
    const std::uint32_t length =
        file[15] | file[16] << 8 | file[17] << 16 | std::uint32_t(file[18]) << 24;
    EXPECT_EQ(length, file.size() - 19);
    EXPECT_EQ(std::string(file.begin() + 19, file.begin() + 23), "TPF0");

    const Bytes longName = WriteSoundList({}, std::string(100, 'q'));
    EXPECT_EQ(std::find(longName.begin() + 3, longName.end(), 0) - (longName.begin() + 3), 63);
    SoundList back;
    EXPECT_EQ(ReadSounds(longName, back), "");
}

bool Contains(const Bytes& haystack, const std::string& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

TEST(WriterLayout, DefaultsLeftOutAndColoursByName) {
    ImageList list;
    list.entries.resize(1);
    const Bytes plain = WriteImageList(list, "g");
    for (const char* name :
         {"Name", "PatternWidth", "Transparent", "SystemMemory", "Picture.Data", "SkipWidth"}) {
        EXPECT_FALSE(Contains(plain, std::string(1, char(std::strlen(name))) + name)) << name;
    }
    EXPECT_TRUE(Contains(plain, "\x0fList.ColorTable"));
    list.entries[0].transparentColor = 0x0000FF;
    EXPECT_TRUE(Contains(WriteImageList(list, "g"), "TransparentColor\x07\x05"
                                                    "clRed"));
    list.entries[0].transparentColor = 0x123456;
    EXPECT_TRUE(Contains(WriteImageList(list, "g"), "TransparentColor\x04"));
}

TEST(WriterLayout, PropertiesInTableOrder) {
    ImageList list;
    ImageEntry e;
    e.name = "n";
    e.patternHeight = 1;
    e.patternWidth = 1;
    e.picture = Gradient(1, 1);
    e.skipHeight = 1;
    e.skipWidth = 1;
    e.systemMemory = true;
    e.transparent = false;
    e.transparentColor = 5;
    list.entries = {e};
    const Bytes file = WriteImageList(list, "g");
    std::size_t last = 0;
    for (const char* name : {"Name", "PatternHeight", "PatternWidth", "Picture.Data", "SkipHeight",
                             "SkipWidth", "SystemMemory", "Transparent\x08", "TransparentColor"}) {
        const std::string needle =
            std::string(1, char(std::strlen(name) - (name[std::strlen(name) - 1] == 8))) + name;
        const auto at = std::search(file.begin(), file.end(), needle.begin(), needle.end());
        ASSERT_NE(at, file.end()) << name;
        EXPECT_GT(std::size_t(at - file.begin()), last) << name;
        last = std::size_t(at - file.begin());
    }
}

} // namespace
} // namespace sixdice::media::test
