// Resource header, object stream framing, failure texts with their wrapping, and partial lists.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace sixdice::media::test {
namespace {

Bytes MinimalImageFileWithName(const std::string& resourceName) {
    Stream s = Header(resourceName);
    s.raw("TPF0").str("TPictureCollectionComponent").str("").u8(0).u8(0);
    return s.bytes();
}

TEST(ResourceHeader, AcceptsNamesUpToSeventySixCharacters) {
    for (std::size_t length : {0u, 1u, 63u, 64u, 76u}) {
        ImageList list;
        EXPECT_EQ(ReadImages(MinimalImageFileWithName(std::string(length, 'N')), list), "")
            << "resource name of " << length << " characters";
    }
}

TEST(ResourceHeader, NameBeyondTheReadWindowMisplacesTheStream) {
    ImageList list;
    EXPECT_EQ(ReadImages(MinimalImageFileWithName(std::string(77, 'N')), list),
              "Invalid stream format");
}

TEST(ResourceHeader, RejectsWrongMarkerTypeOrShortFile) {
    Bytes good = MinimalImageFileWithName("X");
    struct Case {
        const char* what;
        Bytes bytes;
    };
    Bytes badMarker = good, badType = good, badTypeHigh = good;
    badMarker[0] = 254;
    badType[1] = 11;
    badTypeHigh[2] = 1;
    const Case cases[] = {{"empty file", {}},
                          {"two bytes", {255, 10}},
                          {"marker", badMarker},
                          {"type low byte", badType},
                          {"type high byte", badTypeHigh}};
    for (const auto& c : cases) {
        ImageList list;
        EXPECT_EQ(ReadImages(c.bytes, list), "Invalid stream format") << c.what;
    }
}

TEST(ObjectStream, RequiresSignature) {
    Stream s = Header();
    s.raw("TPF1").str("TPictureCollectionComponent").str("").u8(0).u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list), "Invalid stream format");
    EXPECT_EQ(ReadImages(Header().raw("TP").bytes(), list), "Invalid stream format");
}

TEST(ObjectStream, ReadsFlagsByteAndItsInteger) {
    for (std::uint8_t flags : {0xF0, 0xF1, 0xF4}) {
        Stream s = Header();
        s.raw("TPF0").u8(flags).str("Anything").str("").u8(0).u8(0);
        ImageList list;
        EXPECT_EQ(ReadImages(s.bytes(), list), "") << int(flags);
    }
    Stream withIndex = Header();
    withIndex.raw("TPF0").u8(0xF2).u8(3).u16(700).str("X").str("").u8(0).u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(withIndex.bytes(), list), "");
}

TEST(ObjectStream, RootClassNameIsNotCompared) {
    Stream s = Header();
    s.raw("TPF0").str("TSomethingElse").str("").str("List").u8(14).u8(1).u8(0).u8(0).u8(0).u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list), "");
    EXPECT_EQ(list.entries.size(), 1u);
}

TEST(ObjectStream, RootNameMustBeAnIdentifier) {
    for (const char* name : {"Images", "_x", "a1_b2", "DXImageList"}) {
        Stream s = Header();
        s.raw("TPF0").str("T").str(name).u8(0).u8(0);
        ImageList list;
        EXPECT_EQ(ReadImages(s.bytes(), list), "") << name;
    }
    for (const char* name : {"1abc", "a-b", "a b", "\xe8"}) {
        Stream s = Header();
        s.raw("TPF0").str("T").str(name).u8(0).u8(0);
        ImageList list;
        EXPECT_EQ(ReadImages(s.bytes(), list),
                  std::string("''") + name + "'' is not a valid component name");
    }
}

TEST(ObjectStream, ChildObjectsAreReadThroughAndLeftOut) {
    Stream s = Header();
    s.raw("TPF0").str("T").str("").u8(0);
    // one child with a few kinds of values and a grandchild
    s.str("TChild")
        .str("Child1")
        .textProp("Caption", "hi")
        .str("Set")
        .u8(11)
        .str("a")
        .str("")
        .u8(0);
    s.u8(0xF0).str("TGrand").str("").str("F").u8(5).raw(std::string(10, '\0')).u8(0).u8(0);
    s.u8(0);
    s.u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list), "");
}

TEST(ObjectStream, EndingEarlyIsAStreamReadError) {
    Stream s = Header();
    s.raw("TPF0").str("TPictureCollectionComponent").str("");
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list), "Stream read error");
    Stream cut = Header();
    cut.raw("TPF0").u8(20).raw("TPict");
    EXPECT_EQ(ReadImages(cut.bytes(), list), "Stream read error");
}

TEST(FailureWrapping, BadPictureNamesEveryLevel) {
    const Bytes file = ListFileWith({EntryWithPicture(PictureBlock("TDIB", Bytes{1, 2}))});
    ImageList list;
    EXPECT_EQ(ReadImages(file, list),
              "Error reading TPictureCollectionComponent.List: Error reading "
              "TPictureCollectionItem.Picture.Data: DIB is invalid");
}

TEST(FailureWrapping, NamedRootUsesItsName) {
    const Bytes file = ListFileWith({Stream().intProp("Bogus", 1).bytes()},
                                    "TPictureCollectionComponent", "DXImageList");
    ImageList list;
    EXPECT_EQ(ReadImages(file, list),
              "Error reading DXImageList.List: Error reading TPictureCollectionItem.Bogus: "
              "Property does not exist");
}

TEST(FailureWrapping, SoundEntriesNameTheirClasses) {
    const Bytes file = ListFileWith({Stream().binProp("Wave.WAVE", Bytes{'R', 'I'}).bytes()},
                                    "TWaveCollectionComponent");
    SoundList list;
    EXPECT_EQ(ReadSounds(file, list), "Error reading TWaveCollectionComponent.List: Error reading "
                                      "TWaveCollectionItem.Wave.WAVE: Wave is invalid");
}

TEST(FailureWrapping, HolderPropertiesAreWrappedOnce) {
    Stream s = Header();
    s.raw("TPF0").str("T").str("").str("Colours").u8(2).u8(0).u8(0).u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list),
              "Error reading TPictureCollectionComponent.Colours: Property does not exist");
    Stream table = Header();
    table.raw("TPF0").str("T").str("").binProp("List.ColorTable", Bytes(1023, 0)).u8(0).u8(0);
    EXPECT_EQ(ReadImages(table.bytes(), list),
              "Error reading TPictureCollectionComponent.List.ColorTable: Stream read error");
    Stream sounds = Header();
    sounds.raw("TPF0").str("T").str("").binProp("List.ColorTable", Bytes(1024, 0)).u8(0).u8(0);
    SoundList soundList;
    EXPECT_EQ(ReadSounds(sounds.bytes(), soundList),
              "Error reading TWaveCollectionComponent.List.ColorTable: Property does not exist");
}

TEST(FailureWrapping, CollectionFramingErrors) {
    Stream noListTag = Header();
    noListTag.raw("TPF0").str("T").str("").str("List").u8(14).u8(6).u8(0).u8(0).u8(0);
    ImageList list;
    EXPECT_EQ(ReadImages(noListTag.bytes(), list),
              "Error reading TPictureCollectionComponent.List: Invalid property value");
    Stream notCollection = Header();
    notCollection.raw("TPF0").str("T").str("").str("List").u8(10).u32(0).u8(0).u8(0);
    EXPECT_EQ(ReadImages(notCollection.bytes(), list),
              "Error reading TPictureCollectionComponent.List: Invalid property value");
}

TEST(FailureWrapping, TruncatedPropertyName) {
    Stream s = Header();
    s.raw("TPF0").str("T").str("").u8(9).raw("Pat");
    ImageList list;
    EXPECT_EQ(ReadImages(s.bytes(), list),
              "Error reading TPictureCollectionComponent.: Stream read error");
}

TEST(PartialList, KeepsEntriesReadBeforeAndTheFailingOneAsFarAsRead) {
    const Bytes good = Stream().textProp("Name", "first").bytes();
    const Bytes bad = Stream()
                          .textProp("Name", "second")
                          .intProp("PatternWidth", 7)
                          .binProp("Picture.Data", PictureBlock("TDIB", Bytes{40, 0}))
                          .intProp("SkipWidth", 3)
                          .bytes();
    const Bytes never = Stream().textProp("Name", "third").bytes();
    ImageList list;
    EXPECT_NE(ReadImages(ListFileWith({good, bad, never}), list), "");
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].name, "first");
    EXPECT_EQ(list.entries[1].name, "second");
    EXPECT_EQ(list.entries[1].patternWidth, 7);
    EXPECT_EQ(list.entries[1].skipWidth, 0) << "properties after the failure are not read";
}

TEST(PartialList, ReadingReplacesEarlierEntries) {
    ImageList list;
    list.entries.resize(5);
    EXPECT_EQ(ReadImages(ListFileWith({Bytes{}}), list), "");
    EXPECT_EQ(list.entries.size(), 1u);
}

class LoadFromDisk : public ::testing::Test {
protected:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("sixdice_listfile_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir_); }
    void TearDown() override { std::filesystem::remove_all(dir_); }
};

TEST_F(LoadFromDisk, MissingFileKeepsTheListAndNamesTheFile) {
    ImageList list;
    list.entries.resize(3);
    const std::string name = (dir_ / "nope.zrk").string();
    auto error = LoadImageList(name, list);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot open file " + name);
    ASSERT_TRUE(error->refusal);
    EXPECT_EQ(error->refusal->problem, FileProblem::Missing);
    EXPECT_EQ(list.entries.size(), 3u);
    SoundList sounds;
    auto dirError = LoadSoundList(dir_.string(), sounds);
    ASSERT_TRUE(dirError);
    EXPECT_EQ(dirError->message, "Cannot open file " + dir_.string()) << "a folder is no list";
    ASSERT_TRUE(dirError->refusal);
    EXPECT_EQ(dirError->refusal->problem, FileProblem::Folder);
}

TEST_F(LoadFromDisk, LoadsWhatSaveBytesWrote) {
    ImageList images;
    images.entries.resize(2);
    images.entries[1].name = "two";
    const std::string name = (dir_ / "grafika.zrk").string();
    ASSERT_FALSE(SaveBytes(name, WriteImageList(images, "Grafika")));
    ImageList back;
    EXPECT_FALSE(LoadImageList(name, back));
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[1].name, "two");
    EXPECT_TRUE(SaveBytes((dir_ / "no" / "such" / "x").string(), Bytes{1}))
        << "a folder that does not exist cannot take the file";
}

TEST_F(LoadFromDisk, AWriterHoldingTheFileKeepsItClosed) {
    const std::string name = (dir_ / "busy.zrk").string();
    ASSERT_FALSE(SaveBytes(name, WriteSoundList({}, "z")));
    const int writer = ::open(name.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    SoundList list;
    auto error = LoadSoundList(name, list);
    ASSERT_TRUE(error && error->refusal);
    EXPECT_EQ(error->message, "Cannot open file " + name);
    EXPECT_EQ(error->refusal->problem, FileProblem::HeldByWriter);
    ::flock(writer, LOCK_UN);
    EXPECT_FALSE(LoadSoundList(name, list)) << "readable again once the writer lets go";
    ::close(writer);
}

} // namespace
} // namespace sixdice::media::test
