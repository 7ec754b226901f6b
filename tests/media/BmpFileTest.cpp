// Stand-alone bitmap files as `zrk pack` meets them: header versions, pixel offsets, refusals.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"

#include "TestStreams.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sixdice::media::test {
namespace {

// A bitmap file around an info header of the given size; masks, when given, sit at offset 40 of
// the header as the larger versions keep them. gap bytes separate the header from the pixels.
Bytes BmpWith(std::uint32_t headerSize, std::uint16_t bitCount, std::uint32_t compression,
              std::int32_t height, const Bytes& masks, const Bytes& pixels, std::uint32_t gap = 0) {
    Stream info;
    info.u32(headerSize).u32(2).u32(std::uint32_t(height)).u16(1).u16(bitCount).u32(compression);
    info.u32(std::uint32_t(pixels.size())).u32(0).u32(0).u32(0).u32(0);
    Bytes header = info.bytes();
    header.insert(header.end(), masks.begin(), masks.end());
    header.resize(headerSize, 0);
    const std::uint32_t offset = 14 + headerSize + gap;
    Stream file;
    file.raw("BM").u32(offset + std::uint32_t(pixels.size())).u32(0).u32(offset);
    file.raw(header).raw(Bytes(gap, 0xEE)).raw(pixels);
    return file.bytes();
}

TEST(BmpFile, VersionFiveHeaderWithMasksAndAGapBeforeThePixels) {
    const Bytes masks =
        Stream().u32(0x00FF0000).u32(0x0000FF00).u32(0x000000FF).u32(0xFF000000).bytes();
    const Bytes pixels = {0x01, 0x02, 0x03, 0xFF, 0x04, 0x05, 0x06, 0xFF};
    Picture p;
    ASSERT_FALSE(ReadBmpFile(BmpWith(124, 32, 3, -1, masks, pixels, 6), p));
    ASSERT_EQ(p.width, 2);
    ASSERT_EQ(p.height, 1);
    EXPECT_EQ(p.at(0, 0), 0x030201u);
    EXPECT_EQ(p.at(1, 0), 0x060504u);
}

TEST(BmpFile, VersionFourHeaderSixteenBits) {
    const Bytes masks = Stream().u32(0xF800).u32(0x07E0).u32(0x001F).bytes();
    Picture p;
    ASSERT_FALSE(ReadBmpFile(BmpWith(108, 16, 3, 1, masks, {0x00, 0xF8, 0x1F, 0x00}), p));
    EXPECT_EQ(p.at(0, 0), 0xFF0000u);
    EXPECT_EQ(p.at(1, 0), 0x0000FFu);
}

TEST(BmpFile, WrittenFilesReadBack) {
    Picture p;
    p.width = 5;
    p.height = 3;
    for (int i = 0; i < 15; ++i) {
        p.pixels.push_back(std::uint32_t(i) * 0x0A0B0Cu);
    }
    const Bytes file = WriteBmpFile(p);
    EXPECT_EQ(file.size(), 14u + 40u + 3u * 16u) << "rows of 15 bytes padded to 16";
    Picture back;
    ASSERT_FALSE(ReadBmpFile(file, back));
    EXPECT_EQ(back, p);
}

TEST(BmpFile, Refusals) {
    Picture p;
    const Bytes good = BmpWith(40, 24, 0, 1, {}, Bytes(8, 0));
    Bytes notBm = good;
    notBm[1] = 'A';
    EXPECT_EQ(ReadBmpFile(notBm, p), "Bitmap image is not valid");
    EXPECT_EQ(ReadBmpFile(Bytes{'B', 'M'}, p), "Bitmap image is not valid");
    EXPECT_EQ(ReadBmpFile(BmpWith(64, 24, 0, 1, {}, Bytes(8, 0)), p), "DIB is invalid")
        << "an unknown header size";
    EXPECT_EQ(ReadBmpFile(BmpWith(40, 24, 0, 1, {}, Bytes(4, 0)), p), "DIB is invalid")
        << "pixels cut short";
    Bytes farOffset = good;
    farOffset[10] = 60; // pixel offset inside the file, leaving too few bytes for the pixels
    EXPECT_EQ(ReadBmpFile(farOffset, p), "DIB is invalid");
}

// The e-mail form's background is read from disk as the list files are.
TEST(BmpFile, LoadedFromDiskOnlyAsASmallRegularFile) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("sixdice_bmp_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string good = (dir / "email.bmp").string();
    ASSERT_FALSE(SaveBytes(good, WriteBmpFile(Picture::Filled(3, 2, 0x123456))));
    Picture p;
    EXPECT_EQ(LoadBmpFile(good, p), std::nullopt);
    EXPECT_EQ(p, Picture::Filled(3, 2, 0x123456));

    const std::string pipe = (dir / "pipe.bmp").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    auto failure = LoadBmpFile(pipe, p);
    ASSERT_TRUE(failure && failure->refusal);
    EXPECT_EQ(failure->message, "Cannot open file " + pipe);
    EXPECT_EQ(failure->refusal->problem, FileProblem::NamedPipe);

    const std::string big = (dir / "big.bmp").string();
    ASSERT_FALSE(SaveBytes(big, Bytes(file_limits::kBitmapFile + 1, 'B')));
    failure = LoadBmpFile(big, p);
    ASSERT_TRUE(failure && failure->refusal);
    EXPECT_EQ(failure->refusal->problem, FileProblem::TooLarge);

    const std::string damaged = (dir / "damaged.bmp").string();
    ASSERT_FALSE(SaveBytes(damaged, Bytes{'B', 'X', 0, 0}));
    failure = LoadBmpFile(damaged, p);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "Bitmap image is not valid");
    EXPECT_FALSE(failure->refusal);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace sixdice::media::test
