// Property dispatch: dotted paths, case folding, order, and the type rules of every property kind.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"

#include <gtest/gtest.h>

namespace sixdice::media::test {
namespace {

ImageEntry ReadOneImage(const Bytes& body, std::string* error = nullptr) {
    ImageList list;
    const std::string e = ReadImages(ListFileWith({body}), list);
    if (error) {
        *error = e;
    } else {
        EXPECT_EQ(e, "");
    }
    return list.entries.empty() ? ImageEntry{} : list.entries[0];
}

SoundEntry ReadOneSound(const Bytes& body, std::string* error = nullptr) {
    SoundList list;
    const std::string e = ReadSounds(ListFileWith({body}, "TWaveCollectionComponent"), list);
    if (error) {
        *error = e;
    } else {
        EXPECT_EQ(e, "");
    }
    return list.entries.empty() ? SoundEntry{} : list.entries[0];
}

std::string EntryError(const std::string& path, const std::string& inner) {
    return "Error reading TPictureCollectionComponent.List: Error reading TPictureCollectionItem." +
           path + ": " + inner;
}

TEST(PropertyDispatch, MissingPropertiesKeepDefaults) {
    const ImageEntry e = ReadOneImage({});
    EXPECT_EQ(e, ImageEntry{});
    EXPECT_TRUE(e.transparent);
    const SoundEntry s = ReadOneSound({});
    EXPECT_EQ(s, SoundEntry{});
}

TEST(PropertyDispatch, NamesIgnoreCaseOfLettersOnlyAndComeInAnyOrder) {
    const ImageEntry e = ReadOneImage(Stream()
                                          .intProp("skipwidth", 2)
                                          .intProp("PATTERNHEIGHT", 5)
                                          .textProp("nAmE", "dice")
                                          .intProp("PatternWidth", 6)
                                          .bytes());
    EXPECT_EQ(e.name, "dice");
    EXPECT_EQ(e.patternWidth, 6);
    EXPECT_EQ(e.patternHeight, 5);
    EXPECT_EQ(e.skipWidth, 2);
    std::string error;
    ReadOneImage(Stream().binProp("picture.data", PictureBlock("TDIB", {})).bytes(), &error);
    EXPECT_EQ(error, "") << "dotted paths fold case too";
}

TEST(PropertyDispatch, UnknownNamesFail) {
    for (const char* path : {"Name2", "Picture.Bits", "Data", "Wave.WAVE", "Looped", "Nam"}) {
        std::string error;
        ReadOneImage(Stream().intProp(path, 1).bytes(), &error);
        EXPECT_EQ(error, EntryError(path, "Property does not exist")) << path;
    }
    std::string error;
    ReadOneSound(Stream().intProp("PatternWidth", 1).bytes(), &error);
    EXPECT_EQ(error, "Error reading TWaveCollectionComponent.List: Error reading "
                     "TWaveCollectionItem.PatternWidth: Property does not exist");
}

TEST(PropertyDispatch, LaterValueOfTheSamePropertyWins) {
    const ImageEntry e =
        ReadOneImage(Stream().intProp("SkipHeight", 1).intProp("SkipHeight", -4).bytes());
    EXPECT_EQ(e.skipHeight, -4);
}

TEST(IntegerRules, AllThreeWidthsSignExtend) {
    struct Case {
        std::uint8_t tag;
        Bytes payload;
        std::int32_t value;
    };
    const Case cases[] = {{2, {0x7F}, 127},
                          {2, {0x80}, -128},
                          {3, {0x34, 0x12}, 0x1234},
                          {3, {0x00, 0x80}, -32768},
                          {4, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
                          {4, {0xFF, 0xFF, 0xFF, 0xFF}, -1}};
    for (const auto& c : cases) {
        const ImageEntry e =
            ReadOneImage(Stream().str("PatternWidth").u8(c.tag).raw(c.payload).bytes());
        EXPECT_EQ(e.patternWidth, c.value) << "tag " << int(c.tag);
    }
}

TEST(IntegerRules, OtherTagsAreInvalidValues) {
    for (std::uint8_t tag : {0, 1, 5, 6, 7, 8, 9, 10, 12, 14, 19}) {
        std::string error;
        ReadOneImage(Stream().str("PatternHeight").u8(tag).raw(Bytes(16, 0)).bytes(), &error);
        EXPECT_EQ(error, EntryError("PatternHeight", "Invalid property value")) << int(tag);
    }
}

TEST(TextRules, ShortAndLongTextOnly) {
    EXPECT_EQ(ReadOneImage(Stream().str("Name").u8(6).str("abc").bytes()).name, "abc");
    EXPECT_EQ(ReadOneImage(Stream().str("Name").u8(12).u32(4).raw("long").bytes()).name, "long");
    EXPECT_EQ(ReadOneImage(Stream().str("Name").u8(6).str("").bytes()).name, "");
    for (std::uint8_t tag : {2, 7, 18}) {
        std::string error;
        ReadOneImage(Stream().str("Name").u8(tag).str("abc").bytes(), &error);
        EXPECT_EQ(error, EntryError("Name", "Invalid property value")) << int(tag);
    }
    std::string error;
    ReadOneImage(Stream().str("Name").u8(12).u32(1000000).raw("xy").bytes(), &error);
    EXPECT_EQ(error, EntryError("Name", "Stream read error")) << "a length past the end";
}

TEST(BooleanRules, OnlyTagNineIsTrueAndOnlyTheTagIsConsumed) {
    struct Case {
        std::uint8_t tag;
        bool value;
    };
    for (const Case c : {Case{9, true}, Case{8, false}, Case{2, false}, Case{0x41, false}}) {
        // The byte after the tag is read as the next property's name length, so a stray payload
        // would break the following property.
        const ImageEntry e =
            ReadOneImage(Stream().str("SystemMemory").u8(c.tag).intProp("SkipWidth", 9).bytes());
        EXPECT_EQ(e.systemMemory, c.value) << int(c.tag);
        EXPECT_EQ(e.skipWidth, 9) << int(c.tag);
        const ImageEntry t = ReadOneImage(Stream().str("Transparent").u8(c.tag).bytes());
        EXPECT_EQ(t.transparent, c.value) << int(c.tag);
        const SoundEntry s = ReadOneSound(Stream().str("Looped").u8(c.tag).bytes());
        EXPECT_EQ(s.looped, c.value) << int(c.tag);
    }
}

TEST(SoundRules, NegativeMaxPlayingCountReadsAsZero) {
    EXPECT_EQ(ReadOneSound(Stream().intProp("MaxPlayingCount", -5).bytes()).maxPlayingCount, 0);
    EXPECT_EQ(ReadOneSound(Stream().intProp("MaxPlayingCount", -70000).bytes()).maxPlayingCount, 0);
    EXPECT_EQ(ReadOneSound(Stream().intProp("MaxPlayingCount", 4).bytes()).maxPlayingCount, 4);
}

TEST(ColorRules, NamedColoursAndSystemColours) {
    struct Case {
        const char* name;
        ColorCode code;
    };
    const Case named[] = {{"clBlack", 0x000000}, {"clMaroon", 0x000080},  {"clGreen", 0x008000},
                          {"clOlive", 0x008080}, {"clNavy", 0x800000},    {"clPurple", 0x800080},
                          {"clTeal", 0x808000},  {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
                          {"clRed", 0x0000FF},   {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
                          {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
                          {"clWhite", 0xFFFFFF}, {"clNone", 0x1FFFFFFF}};
    for (const auto& c : named) {
        EXPECT_EQ(
            ReadOneImage(Stream().identProp("TransparentColor", c.name).bytes()).transparentColor,
            c.code)
            << c.name;
    }
    const char* system[] = {
        "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
        "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
        "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
        "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
        "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
        "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
        "clInfoBk"};
    for (ColorCode i = 0; i < 25; ++i) {
        EXPECT_EQ(ReadOneImage(Stream().identProp("TransparentColor", system[i]).bytes())
                      .transparentColor,
                  0x80000000u + i)
            << system[i];
    }
}

TEST(ColorRules, IntegersAndRejectedNames) {
    EXPECT_EQ(
        ReadOneImage(Stream().intProp("TransparentColor", 0x00FF00FF).bytes()).transparentColor,
        0x00FF00FFu);
    EXPECT_EQ(ReadOneImage(Stream().intProp("TransparentColor", -1).bytes()).transparentColor,
              0xFFFFFFFFu);
    for (const char* name : {"clblack", "clMoneyGreen", "White", ""}) {
        std::string error;
        ReadOneImage(Stream().identProp("TransparentColor", name).bytes(), &error);
        EXPECT_EQ(error, EntryError("TransparentColor", "Invalid property value")) << name;
    }
    std::string error;
    ReadOneImage(Stream().textProp("TransparentColor", "clRed").bytes(), &error);
    EXPECT_EQ(error, EntryError("TransparentColor", "Invalid property value"));
}

TEST(BlockRules, ByteBlocksOnlyAndCheckedLength) {
    std::string error;
    ReadOneImage(Stream().textProp("Picture.Data", "TDIB").bytes(), &error);
    EXPECT_EQ(error, EntryError("Picture.Data", "Invalid property value"));
    ReadOneImage(Stream().str("Picture.Data").u8(10).u32(0xFFFFFFF0).raw("TDIB").bytes(), &error);
    EXPECT_EQ(error, EntryError("Picture.Data", "Stream read error"));
    ReadOneImage(Stream().intProp("Picture", 0).bytes(), &error);
    EXPECT_EQ(error, EntryError("Picture", "Invalid property value"));
}

TEST(HolderRules, ColorTableKeepsTheFirst1024Bytes) {
    Bytes table(1100);
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = std::uint8_t(i * 7);
    }
    Stream s = Header();
    s.raw("TPF0").str("T").str("").binProp("list.colortable", table).intProp("Tag", 77).u8(0).u8(0);
    ImageList list;
    ASSERT_EQ(ReadImages(s.bytes(), list), "");
    ASSERT_EQ(list.colorTable.size(), 1024u);
    EXPECT_TRUE(std::equal(list.colorTable.begin(), list.colorTable.end(), table.begin()));
}

TEST(HolderRules, CollectionEntriesMayCarryAnIgnoredIndex) {
    Stream s = Header();
    s.raw("TPF0").str("T").str("").str("List").u8(14);
    s.u8(2).u8(5).u8(1).textProp("Name", "a").u8(0);
    s.u8(4).u32(123456).u8(1).textProp("Name", "b").u8(0);
    s.u8(1).textProp("Name", "c").u8(0);
    s.u8(0).u8(0).u8(0);
    ImageList list;
    ASSERT_EQ(ReadImages(s.bytes(), list), "");
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0].name, "a");
    EXPECT_EQ(list.entries[1].name, "b");
    EXPECT_EQ(list.entries[2].name, "c");
}

} // namespace
} // namespace sixdice::media::test
