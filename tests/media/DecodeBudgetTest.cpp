// The decoding budget: what one picture, one recording and one whole list may decode to.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/DecodeBudget.h"

#include "TestStreams.h"
#include "media/listfile/BmpFile.h"

#include <gtest/gtest.h>

namespace sixdice::media::test {
namespace {

constexpr const char* kPictureWrap =
    "Error reading TPictureCollectionComponent.List: Error reading "
    "TPictureCollectionItem.Picture.Data: ";
constexpr const char* kWaveWrap = "Error reading TWaveCollectionComponent.List: Error reading "
                                  "TWaveCollectionItem.Wave.WAVE: ";

// A run-length coded 8-bit DIB that claims width x height pixels from a few coded bytes (an end
// of picture, then padding), the cheapest way to ask the decoder for many pixels.
Bytes RleDib(std::int32_t width, std::int32_t height, std::uint32_t codedBytes = 16384) {
    DibLayout d;
    d.width = width;
    d.height = height;
    d.bitCount = 8;
    d.compression = 1;
    d.imageSize = codedBytes;
    d.colorsUsed = 1;
    d.palette = {0x10, 0x20, 0x30, 0};
    d.pixels = Bytes(codedBytes, 0);
    d.pixels[1] = 1; // end of picture
    return Dib(d);
}

Bytes TdibEntry(const Bytes& dib) {
    return EntryWithPicture(PictureBlock("TDIB", dib));
}

// The same DIB as a complete bitmap file inside a "TBitmap" block.
Bytes TbitmapEntry(const Bytes& dib) {
    const Bytes file =
        Stream().raw("BM").u32(std::uint32_t(14 + dib.size())).u32(0).u32(0).raw(dib).bytes();
    return EntryWithPicture(
        PictureBlock("TBitmap", Stream().u32(std::uint32_t(file.size())).raw(file).bytes()));
}

Bytes Wave(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
           std::size_t dataBytes) {
    const Bytes format =
        Stream().u16(formatTag).u16(channels).u32(rate).u32(rate).u16(1).u16(bits).bytes();
    return Stream()
        .raw("RIFF")
        .u32(0)
        .raw("WAVE")
        .raw("fmt ")
        .u32(std::uint32_t(format.size()))
        .raw(format)
        .raw("data")
        .u32(std::uint32_t(dataBytes))
        .raw(Bytes(dataBytes, 0x80))
        .bytes();
}

Bytes SoundEntryWith(const Bytes& wave) {
    return Stream().binProp("Wave.WAVE", wave).bytes();
}

SoundEntry Recording(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t rate,
                     std::uint16_t bits, std::size_t dataBytes) {
    SoundEntry e;
    e.format = Stream().u16(formatTag).u16(channels).u32(rate).u32(rate).u16(1).u16(bits).bytes();
    e.samples.assign(dataBytes, 0);
    return e;
}

TEST(PictureBudget, APictureMayHaveTwoMegapixelsAndNoMore) {
    ImageList list;
    EXPECT_EQ(ReadImages(ListFileWith({TdibEntry(RleDib(2048, 1024))}), list), "");
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].picture.pixels.size(), std::size_t(2048 * 1024));
    EXPECT_EQ(list.entries[0].picture.at(2047, 1023), 0x302010u);

    EXPECT_EQ(ReadImages(ListFileWith({TdibEntry(RleDib(2049, 1024))}), list),
              std::string(kPictureWrap) +
                  "Picture of 2049 x 1024 pixels is larger than the 2097152 pixels a picture may "
                  "have");
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_TRUE(list.entries[0].picture.pixels.empty()) << "no memory was taken for it";
}

TEST(PictureBudget, TheBombOfOneRunLengthPictureIsRefused) {
    // 1 MB of coded data claiming 16384 x 16384 pixels (1 GiB decoded): within every format rule.
    ImageList list;
    const std::string error =
        ReadImages(ListFileWith({TdibEntry(RleDib(16384, 16384, 1u << 20))}), list);
    EXPECT_EQ(error, std::string(kPictureWrap) +
                         "Picture of 16384 x 16384 pixels is larger than the 2097152 pixels a "
                         "picture may have");
    // Claims beyond the format's own limits keep the format's own message.
    EXPECT_EQ(ReadImages(ListFileWith({TdibEntry(RleDib(16385, 1))}), list),
              std::string(kPictureWrap) + "DIB is invalid");
    EXPECT_EQ(ReadImages(ListFileWith({TdibEntry(RleDib(16384, 16384, 2))}), list),
              std::string(kPictureWrap) + "DIB is invalid")
        << "too many pixels for so few coded bytes";
}

TEST(PictureBudget, AListMayHaveEightMegapixelsInAllWhateverTheirKind) {
    const Bytes twoMegapixels = TdibEntry(RleDib(2048, 1024));
    ImageList list;
    EXPECT_EQ(ReadImages(ListFileWith({twoMegapixels, twoMegapixels, twoMegapixels, twoMegapixels}),
                         list),
              "")
        << "exactly at the limit";
    EXPECT_EQ(list.entries.size(), 4u);

    for (const Bytes& lastOne : {TdibEntry(RleDib(1, 1, 2)), TbitmapEntry(RleDib(1, 1, 2))}) {
        EXPECT_EQ(ReadImages(ListFileWith({twoMegapixels, twoMegapixels, twoMegapixels,
                                           twoMegapixels, lastOne}),
                             list),
                  std::string(kPictureWrap) +
                      "Picture of 1 x 1 pixels would bring the list to 8388609 pixels, more than "
                      "the 8388608 pixels a list may have");
        ASSERT_EQ(list.entries.size(), 5u);
        EXPECT_TRUE(list.entries[4].picture.empty());
    }
    // Every list starts its count afresh.
    EXPECT_EQ(ReadImages(ListFileWith({twoMegapixels}), list), "");
}

TEST(PictureBudget, ABitmapFileReadAloneHasTheBudgetOfOnePicture) {
    const Bytes dib = RleDib(4096, 1024);
    const Bytes file =
        Stream().raw("BM").u32(std::uint32_t(14 + dib.size())).u32(0).u32(0).raw(dib).bytes();
    Picture picture;
    EXPECT_EQ(ReadBmpFile(file, picture),
              "Picture of 4096 x 1024 pixels is larger than the 2097152 pixels a picture may have");
    EXPECT_TRUE(picture.empty());
}

TEST(SoundBudget, PlayingTimeIsReckonedSoNoDecoderMakesMore) {
    EXPECT_EQ(RecordingMilliseconds(Recording(1, 2, 22050, 16, 88200)), 1000) << "PCM";
    EXPECT_EQ(RecordingMilliseconds(Recording(1, 1, 44100, 8, 44101)), 1001) << "rounded up";
    EXPECT_EQ(RecordingMilliseconds(Recording(0x11, 1, 22050, 4, 11025)), 1000) << "IMA ADPCM";
    EXPECT_EQ(RecordingMilliseconds(Recording(0x55, 1, 8000, 16, 4000)), 1000)
        << "a kind without whole samples counts as 4 bits a sample";
    EXPECT_EQ(RecordingMilliseconds(Recording(1, 0, 8000, 0, 8000)), 1000)
        << "no channels or sample width: the widest reckoning";
    EXPECT_EQ(RecordingMilliseconds(Recording(1, 1, 0, 16, 1000)), 0) << "no rate: never played";
    EXPECT_EQ(RecordingMilliseconds(Recording(1, 1, 1, 8, 100)), 100000)
        << "a tiny rate makes a long recording";
    EXPECT_EQ(RecordingMilliseconds(SoundEntry{}), 0);
}

TEST(SoundBudget, SamplesAreCountedAsTheDecoderMakesThem) {
    EXPECT_EQ(RecordingSamples(Recording(1, 2, 22050, 16, 88200)), 44100) << "PCM";
    EXPECT_EQ(RecordingSamples(Recording(1, 1, 8000, 24, 3000)), 1000) << "24-bit PCM";
    EXPECT_EQ(RecordingSamples(Recording(7, 1, 8000, 8, 3000)), 3000) << "mu-law";
    EXPECT_EQ(RecordingSamples(Recording(0x11, 2, 22050, 4, 11025)), 22050) << "IMA ADPCM";
    EXPECT_EQ(RecordingSamples(Recording(2, 1, 22050, 4, 11025)), 22050) << "MS ADPCM";
}

TEST(SoundBudget, ARecordingMayHaveTwoMebisamplesAndAListSix) {
    // At a rate of a million samples a second the playing time stays short; the samples count.
    const std::size_t twoMebisamples = std::size_t(2) << 21; // 16-bit: two bytes a sample
    const Bytes full = SoundEntryWith(Wave(1, 1, 1'000'000, 16, twoMebisamples));
    SoundList list;
    EXPECT_EQ(ReadSounds(ListFileWith({full, full, full}, "TWaveCollectionComponent"), list), "");
    EXPECT_EQ(
        ReadSounds(ListFileWith({SoundEntryWith(Wave(1, 1, 1'000'000, 16, twoMebisamples + 2))},
                                "TWaveCollectionComponent"),
                   list),
        std::string(kWaveWrap) +
            "Recording of 2097153 samples is larger than the 2097152 samples a recording "
            "may have");
    EXPECT_TRUE(list.entries[0].samples.empty()) << "what is refused is not kept";
    // IMA ADPCM: four bits a sample, so a quarter of the bytes.
    EXPECT_EQ(
        ReadSounds(ListFileWith({full, full, full, SoundEntryWith(Wave(0x11, 1, 1'000'000, 4, 1))},
                                "TWaveCollectionComponent"),
                   list),
        std::string(kWaveWrap) +
            "Recording of 2 samples would bring the list to 6291458 samples, more than the "
            "6291456 samples a list may have");
}

TEST(SoundBudget, ARecordingMayLastTwentySecondsAndAListOneMinute) {
    const Bytes twentySeconds = SoundEntryWith(Wave(1, 1, 8000, 8, 160000));
    SoundList list;
    EXPECT_EQ(ReadSounds(ListFileWith({twentySeconds}, "TWaveCollectionComponent"), list), "");
    EXPECT_EQ(ReadSounds(ListFileWith({SoundEntryWith(Wave(1, 1, 8000, 8, 160001))},
                                      "TWaveCollectionComponent"),
                         list),
              std::string(kWaveWrap) +
                  "Recording of 20.001 s is longer than the 20 s a recording may last");
    // A hundred bytes at one sample a second: the bomb of the sound output's rate conversion.
    EXPECT_EQ(ReadSounds(
                  ListFileWith({SoundEntryWith(Wave(1, 1, 1, 8, 100))}, "TWaveCollectionComponent"),
                  list),
              std::string(kWaveWrap) +
                  "Recording of 100 s is longer than the 20 s a recording may last");

    EXPECT_EQ(ReadSounds(ListFileWith({twentySeconds, twentySeconds, twentySeconds},
                                      "TWaveCollectionComponent"),
                         list),
              "")
        << "a minute in all";
    EXPECT_EQ(ReadSounds(ListFileWith({twentySeconds, twentySeconds, twentySeconds,
                                       SoundEntryWith(Wave(1, 1, 8000, 8, 8))},
                                      "TWaveCollectionComponent"),
                         list),
              std::string(kWaveWrap) +
                  "Recording of 0.001 s would bring the list to 60.001 s, more than the 60 s a "
                  "list may last");
}

} // namespace
} // namespace sixdice::media::test
