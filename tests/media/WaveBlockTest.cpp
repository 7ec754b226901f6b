// RIFF WAVE blocks of sound entries: chunk scanning, replacement, missing bytes and refusals.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"
#include "media/listfile/WavFile.h"

#include <gtest/gtest.h>

namespace sixdice::media::test {
namespace {

constexpr const char* kWrap = "Error reading TWaveCollectionComponent.List: Error reading "
                              "TWaveCollectionItem.Wave.WAVE: ";

Stream Riff() {
    Stream s;
    s.raw("RIFF").u32(0).raw("WAVE");
    return s;
}

SoundEntry ReadBlock(const Bytes& block, std::string* error = nullptr) {
    SoundList list;
    const std::string e = ReadSounds(
        ListFileWith({Stream().binProp("Wave.WAVE", block).bytes()}, "TWaveCollectionComponent"),
        list);
    if (error) {
        *error = e.rfind(kWrap, 0) == 0 ? e.substr(std::string(kWrap).size()) : e;
    } else {
        EXPECT_EQ(e, "");
    }
    return list.entries.empty() ? SoundEntry{} : list.entries[0];
}

const Bytes kPcmFormat = Stream().u16(1).u16(2).u32(22050).u32(88200).u16(4).u16(16).bytes();

TEST(WaveBlock, FormatAndSamplesWithOtherChunksPassedOver) {
    const Bytes block = Riff()
                            .raw("LIST")
                            .u32(3)
                            .raw("abc") // odd size: no pad byte is skipped
                            .raw("fmt ")
                            .u32(16)
                            .raw(kPcmFormat)
                            .raw("data")
                            .u32(5)
                            .raw(Bytes{1, 2, 3, 4, 5})
                            .bytes();
    const SoundEntry e = ReadBlock(block);
    EXPECT_EQ(e.format, kPcmFormat);
    EXPECT_EQ(e.samples, (Bytes{1, 2, 3, 4, 5}));
    const WaveFormat f = e.waveFormat();
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.sampleRate, 22050u);
    EXPECT_EQ(f.bytesPerSecond, 88200u);
    EXPECT_EQ(f.blockAlign, 4);
    EXPECT_EQ(f.bitsPerSample, 16);
}

TEST(WaveBlock, LaterChunksReplaceEarlierOnesAndAreStillScanned) {
    const Bytes other = Stream().u16(2).u16(1).bytes();
    const Bytes block = Riff()
                            .raw("fmt ")
                            .u32(16)
                            .raw(kPcmFormat)
                            .raw("data")
                            .u32(2)
                            .raw(Bytes{9, 9})
                            .raw("junk")
                            .u32(1)
                            .raw(Bytes{0})
                            .raw("data")
                            .u32(3)
                            .raw(Bytes{7, 8, 9})
                            .raw("fmt ")
                            .u32(4)
                            .raw(other)
                            .bytes();
    const SoundEntry e = ReadBlock(block);
    EXPECT_EQ(e.samples, (Bytes{7, 8, 9}));
    EXPECT_EQ(e.format, other);
    EXPECT_EQ(e.waveFormat().sampleRate, 0u) << "fields beyond a short format block read as 0";
}

TEST(WaveBlock, ScanEndsAtAZeroIdentifierOrTheBlockEnd) {
    const Bytes stopped = Riff()
                              .raw("data")
                              .u32(1)
                              .raw(Bytes{1})
                              .u32(0)
                              .u32(99) // zero identifier ends the scan
                              .raw("data")
                              .u32(1)
                              .raw(Bytes{2})
                              .bytes();
    EXPECT_EQ(ReadBlock(stopped).samples, Bytes{1});
    // A header cut short at the end: the missing bytes count as zero, so "da" + zeros is an
    // unknown chunk of size 0, and the next header is all zero.
    const Bytes cut = Riff().raw("data").u32(1).raw(Bytes{5}).raw("da").bytes();
    EXPECT_EQ(ReadBlock(cut).samples, Bytes{5});
    // An unknown chunk claiming more than the block holds just ends the scan.
    const Bytes longJunk = Riff().raw("data").u32(1).raw(Bytes{6}).raw("junk").u32(1000).bytes();
    EXPECT_EQ(ReadBlock(longJunk).samples, Bytes{6});
}

TEST(WaveBlock, WithoutDataTheRecordingIsEmpty) {
    const SoundEntry e = ReadBlock(Riff().raw("fmt ").u32(16).raw(kPcmFormat).bytes());
    EXPECT_EQ(e.format, kPcmFormat);
    EXPECT_FALSE(e.hasRecording());
    EXPECT_FALSE(ReadBlock(Riff().bytes()).hasRecording());
}

TEST(WaveBlock, Refusals) {
    std::string error;
    ReadBlock(Riff().raw("data").u32(10).raw(Bytes{1, 2, 3}).bytes(), &error);
    EXPECT_EQ(error, "Stream read error") << "data chunk past the block";
    ReadBlock(Riff().raw("fmt ").u32(40).raw(kPcmFormat).bytes(), &error);
    EXPECT_EQ(error, "Stream read error") << "format chunk past the block";
    for (const Bytes& bad : {Bytes{}, Stream().raw("RIFF").u32(0).raw("WAV").bytes(),
                             Stream().raw("RIFX").u32(0).raw("WAVE").bytes(),
                             Stream().raw("RIFF").u32(0).raw("AVI ").bytes()}) {
        ReadBlock(bad, &error);
        EXPECT_EQ(error, "Wave is invalid") << bad.size() << " bytes";
    }
}

TEST(WavFile, PaddedFileRoundTrip) {
    SoundEntry e;
    e.format = Bytes{1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0, 0}; // odd size
    e.samples = Bytes{128, 129, 130};
    const Bytes file = WriteWaveImage(e, true);
    EXPECT_EQ(file.size() % 2, 0u) << "a .wav file pads odd chunks";
    SoundEntry back;
    ASSERT_FALSE(ReadWavFile(file, back));
    EXPECT_EQ(back.format, e.format);
    EXPECT_EQ(back.samples, e.samples);
    EXPECT_TRUE(ReadWavFile(Riff().bytes(), back)) << "a file without format and data is refused";
}

} // namespace
} // namespace sixdice::media::test
