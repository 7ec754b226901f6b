// Generator of the fuzzer's seed corpus and of the hostile must-not-crash regression files.
// Usage: make_fuzz_corpus CORPUS_DIR CRASHERS_DIR (small valid and broken list files).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/WavFile.h"
#include "tests/media/TestStreams.h"

#include <cstdio>
#include <string>

using namespace sixdice::media;
using namespace sixdice::media::test;

namespace {

std::string g_dir;

void Put(const std::string& name, const Bytes& bytes) {
    const std::string path = g_dir + "/" + name;
    if (auto error = SaveBytes(path, bytes)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        std::exit(1);
    }
}

Picture Checker(int w, int h) {
    Picture p;
    p.width = w;
    p.height = h;
    for (int i = 0; i < w * h; ++i) {
        p.pixels.push_back((i % 3 == 0) ? 0xFF00FFu : std::uint32_t(i * 0x010203));
    }
    return p;
}

ImageList SmallImages() {
    ImageList list;
    ImageEntry a;
    a.name = "a";
    a.picture = Checker(3, 2);
    a.patternWidth = 1;
    a.skipWidth = 1;
    a.transparentColor = 0xFF00FF;
    ImageEntry b;
    b.transparent = false;
    b.transparentColor = 0x80000003;
    list.entries = {a, b};
    return list;
}

SoundList SmallSounds() {
    SoundList list;
    SoundEntry a;
    a.name = "s";
    a.format = Stream().u16(1).u16(1).u32(8000).u32(8000).u16(1).u16(8).bytes();
    a.samples = {128, 140, 120, 128};
    a.looped = true;
    a.maxPlayingCount = 2;
    list.entries = {a, SoundEntry{}};
    return list;
}

Bytes Cut(Bytes b, std::size_t keep) {
    b.resize(std::min(keep, b.size()));
    return b;
}

Bytes DibEntryFile(const DibLayout& d) {
    return TdibFile(d);
}

void WriteCorpus() {
    const Bytes images = WriteImageList(SmallImages(), "grafika");
    const Bytes bitmaps = WriteImageList(SmallImages(), "grafika", PictureStorage::Bitmap);
    const Bytes sounds = WriteSoundList(SmallSounds(), "zvuky");
    Put("images_dib.zrk", images);
    Put("images_bitmap.zrk", bitmaps);
    Put("sounds.zrk", sounds);
    Put("images_cut.zrk", Cut(images, images.size() - 7));
    Put("sounds_cut.zrk", Cut(sounds, sounds.size() / 2));
    Put("header_only.zrk", Header("X").bytes());

    DibLayout pal8;
    pal8.width = 3;
    pal8.height = -2;
    pal8.bitCount = 8;
    pal8.colorsUsed = 2;
    pal8.palette = {0, 0, 255, 0, 255, 0, 0, 0};
    pal8.pixels = {0, 1, 0, 0, 1, 0, 1, 0};
    Put("dib_8bit_topdown.zrk", DibEntryFile(pal8));
    DibLayout mono = pal8;
    mono.bitCount = 1;
    mono.height = 2;
    mono.pixels = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};
    Put("dib_1bit.zrk", DibEntryFile(mono));
    DibLayout four = pal8;
    four.bitCount = 4;
    four.pixels = {0x10, 0x10, 0, 0, 0x01, 0x00, 0, 0};
    Put("dib_4bit.zrk", DibEntryFile(four));
    DibLayout rle8 = pal8;
    rle8.height = 2;
    rle8.compression = 1;
    rle8.pixels = {2, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 2, 1, 0, 0, 1};
    rle8.imageSize = std::uint32_t(rle8.pixels.size());
    Put("dib_rle8.zrk", DibEntryFile(rle8));
    DibLayout rle4 = four;
    rle4.compression = 2;
    rle4.pixels = {3, 0x10, 0, 0, 0, 3, 0x01, 0x10, 0, 1};
    rle4.imageSize = std::uint32_t(rle4.pixels.size());
    Put("dib_rle4.zrk", DibEntryFile(rle4));
    DibLayout s565;
    s565.width = 2;
    s565.bitCount = 16;
    s565.compression = 3;
    s565.masks = Stream().u32(0xF800).u32(0x7E0).u32(0x1F).bytes();
    s565.pixels = {0x00, 0xF8, 0xE0, 0x07};
    Put("dib_565.zrk", DibEntryFile(s565));
    DibLayout s555 = s565;
    s555.compression = 0;
    s555.masks = {};
    Put("dib_555.zrk", DibEntryFile(s555));
    DibLayout s32;
    s32.bitCount = 32;
    s32.pixels = {1, 2, 3, 4};
    Put("dib_32bit.zrk", DibEntryFile(s32));
    DibLayout bad = s32;
    bad.bitCount = 7;
    Put("dib_bad_bitcount.zrk", DibEntryFile(bad));
    Put("dib_core_header.zrk",
        ListFileWith({EntryWithPicture(PictureBlock("TDIB", Stream()
                                                                .u32(12)
                                                                .u16(1)
                                                                .u16(1)
                                                                .u16(1)
                                                                .u16(1)
                                                                .raw(Bytes{0, 0, 0, 255, 255, 255})
                                                                .u32(0x80)
                                                                .bytes()))}));
    Put("unknown_picture.zrk",
        ListFileWith({EntryWithPicture(PictureBlock("TJPEGImage", Bytes{1, 2}))}));
    Put("properties.zrk", ListFileWith({Stream()
                                            .textProp("name", "x")
                                            .str("SystemMemory")
                                            .u8(9)
                                            .str("Transparent")
                                            .u8(2)
                                            .identProp("TransparentColor", "clBtnFace")
                                            .intProp("PatternHeight", -300)
                                            .str("Name")
                                            .u8(12)
                                            .u32(2)
                                            .raw("ab")
                                            .bytes()}));
    Put("wave_chunks.zrk", ListFileWith({Stream()
                                             .binProp("Wave.WAVE", Stream()
                                                                       .raw("RIFF")
                                                                       .u32(0)
                                                                       .raw("WAVE")
                                                                       .raw("junk")
                                                                       .u32(1)
                                                                       .raw("j")
                                                                       .raw("data")
                                                                       .u32(2)
                                                                       .raw(Bytes{1, 2})
                                                                       .raw("fmt ")
                                                                       .u32(2)
                                                                       .raw(Bytes{1, 0})
                                                                       .raw("da")
                                                                       .bytes())
                                             .intProp("MaxPlayingCount", -4)
                                             .bytes()},
                                        "TWaveCollectionComponent"));
    Stream flagged = Header();
    flagged.raw("TPF0").u8(0xF2).u8(2).u8(1).str("TPictureCollectionComponent").str("Root");
    flagged.str("List").u8(14).u8(2).u8(0).u8(1).u8(0).u8(0).u8(0);
    flagged.str("TChild").str("").str("X").u8(11).str("a").str("").u8(0).u8(0).u8(0);
    Put("flags_and_child.zrk", flagged.bytes());
    Put("picture.bmp", WriteBmpFile(Checker(3, 3)));
    Put("sound.wav", WriteWaveImage(SmallSounds().entries[0], true));
}

void WriteCrashers() {
    // Run-length data claiming the largest picture from two bytes.
    DibLayout huge;
    huge.width = 16384;
    huge.height = 16384;
    huge.bitCount = 8;
    huge.compression = 1;
    huge.colorsUsed = 1;
    huge.palette = {0, 0, 0, 0};
    huge.pixels = {0, 1};
    huge.imageSize = 2;
    Put("rle_huge_claim.zrk", TdibFile(huge));
    // Rows that do not fit their block.
    DibLayout rows;
    rows.width = 16384;
    rows.height = -16384;
    rows.pixels = Bytes(16, 0);
    Put("rows_past_block.zrk", TdibFile(rows));
    // A byte block and a text claiming four gigabytes.
    Put("block_length_max.zrk",
        ListFileWith({Stream().str("Picture.Data").u8(10).u32(0xFFFFFFFF).bytes()}));
    Put("text_length_max.zrk",
        ListFileWith({Stream().str("Name").u8(12).u32(0xFFFFFFFF).raw("x").bytes()}));
    // A WAVE data chunk claiming four gigabytes.
    Put("wave_length_max.zrk",
        ListFileWith(
            {Stream()
                 .binProp(
                     "Wave.WAVE",
                     Stream().raw("RIFF").u32(0).raw("WAVE").raw("data").u32(0xFFFFFFFF).bytes())
                 .bytes()},
            "TWaveCollectionComponent"));
    // Child objects nested far deeper than any stack should follow.
    Stream deep = Header();
    deep.raw("TPF0").str("T").str("").u8(0);
    for (int i = 0; i < 5000; ++i) {
        deep.str("C").str("").u8(0);
    }
    Put("deep_children.zrk", deep.bytes());
    // A skipped value of nested lists.
    Stream lists = Header();
    lists.raw("TPF0").str("T").str("").u8(0).str("C").str("").str("P");
    for (int i = 0; i < 5000; ++i) {
        lists.u8(1);
    }
    Put("deep_lists.zrk", lists.bytes());
    // Patterns whose gaps cancel their size.
    DibLayout small;
    small.width = 4;
    small.pixels = Bytes(12, 0);
    Put("pattern_gap_cancels.zrk",
        ListFileWith({Stream()
                          .binProp("Picture.Data", PictureBlock("TDIB", Dib(small)))
                          .intProp("PatternWidth", 2)
                          .intProp("SkipWidth", -2)
                          .bytes()}));
    // Many pictures, each within the run-length allowance, that add up to far more than a list
    // may decode to (256 megapixels without the budget).
    DibLayout megapixel = huge;
    megapixel.width = megapixel.height = 1024;
    const Bytes bomb = EntryWithPicture(PictureBlock("TDIB", Dib(megapixel)));
    Stream many = Header();
    many.raw("TPF0").str("T").str("").str("List").u8(14);
    for (int i = 0; i < 256; ++i) {
        many.u8(1).raw(bomb).u8(0);
    }
    many.u8(0).u8(0).u8(0);
    Put("budget_many_pictures.zrk", many.bytes());
    // A hundred bytes of sound at one sample a second, which an output would stretch to 100 s.
    Put("budget_slow_rate.zrk",
        ListFileWith(
            {Stream()
                 .binProp("Wave.WAVE",
                          WriteWaveImage(
                              SoundEntry{"slow", false, 0,
                                         Stream().u16(1).u16(1).u32(1).u32(1).u16(1).u16(8).bytes(),
                                         Bytes(100, 128)},
                              false))
                 .bytes()},
            "TWaveCollectionComponent"));
    Put("pattern_huge_count.zrk",
        ListFileWith({Stream()
                          .binProp("Picture.Data", PictureBlock("TDIB", Dib(small)))
                          .intProp("PatternWidth", 1)
                          .intProp("PatternHeight", 1)
                          .intProp("SkipWidth", -2147483647 - 1)
                          .bytes()}));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR CRASHERS_DIR\n", argv[0]);
        return 2;
    }
    g_dir = argv[1];
    WriteCorpus();
    g_dir = argv[2];
    WriteCrashers();
    return 0;
}
