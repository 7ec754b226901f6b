// The `zrk` tool: listing lines, failed loads, files that are no lists, the kind of a list,
// usage, and extract -> pack -> list round trips.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestStreams.h"
#include "media/listfile/BmpFile.h"
#include "media/listfile/WavFile.h"
#include "tools/zrk/Commands.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace sixdice::zrk {
namespace {

namespace fs = std::filesystem;
using media::test::Bytes;

class ZrkTool : public ::testing::Test {
protected:
    fs::path dir_ = fs::temp_directory_path() / ("sixdice_zrk_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Save(const std::string& name, const Bytes& bytes) {
        const std::string path = (dir_ / name).string();
        EXPECT_FALSE(media::SaveBytes(path, bytes));
        return path;
    }
};

media::ImageList Images() {
    media::ImageList list;
    media::ImageEntry a;
    a.name = "menu";
    a.picture = media::Picture::Filled(40, 30, 0x102030);
    a.patternWidth = 10;
    a.patternHeight = 10;
    a.transparentColor = 0x00FF00FF;
    media::ImageEntry b;
    b.name = "say \"hi\"\\\t";
    media::ImageEntry c;
    c.picture = media::Picture::Filled(3, 2, 0xFFFFFF);
    c.transparent = false;
    c.transparentColor = 0x8000000F;
    c.skipWidth = -1;
    c.systemMemory = true;
    list.entries = {a, b, c};
    list.colorTable.assign(1024, 9);
    return list;
}

media::SoundList Sounds() {
    media::SoundList list;
    media::SoundEntry a;
    a.name = "hod";
    a.format = media::test::Stream().u16(1).u16(2).u32(44100).u32(176400).u16(4).u16(16).bytes();
    a.samples = Bytes(1001, 3);
    a.looped = true;
    a.maxPlayingCount = 2;
    media::SoundEntry b;
    list.entries = {a, b};
    return list;
}

TEST_F(ZrkTool, ListsImageEntries) {
    const auto path = Save("g.zrk", media::WriteImageList(Images(), "grafika"));
    const Outcome o = RunZrk({"list", path});
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, "0 image 40x30 patterns=12 transparent=yes color=$00FF00FF name=\"menu\"\n"
                     "1 image empty name=\"say \\\"hi\\\"\\\\\\x09\"\n"
                     "2 image 3x2 patterns=1 transparent=no color=$8000000F name=\"\"\n");
}

TEST_F(ZrkTool, ListsSoundEntries) {
    const auto path = Save("z.zrk", media::WriteSoundList(Sounds(), "zvuky"));
    const Outcome o = RunZrk({"list", path});
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_EQ(o.out,
              "0 sound format=1 channels=2 rate=44100 bits=16 data=1001 looped=yes max=2 "
              "name=\"hod\"\n"
              "1 sound format=0 channels=0 rate=0 bits=0 data=0 looped=no max=0 name=\"\"\n");
}

TEST_F(ZrkTool, FailedLoadPrintsEntriesSoFarThenTheMessageAlone) {
    const Bytes file = media::test::ListFileWith(
        {media::test::Stream().textProp("Name", "ok").bytes(),
         media::test::EntryWithPicture(media::test::PictureBlock("TDIB", Bytes{9}))});
    const Outcome o = RunZrk({"list", Save("bad.zrk", file)});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.out, "0 image empty name=\"ok\"\n1 image empty name=\"\"\n");
    EXPECT_EQ(o.err, "Error reading TPictureCollectionComponent.List: Error reading "
                     "TPictureCollectionItem.Picture.Data: DIB is invalid\n");
    const std::string damaged = (dir_ / "damaged").string();
    const Outcome x = RunZrk({"extract", (dir_ / "bad.zrk").string(), damaged});
    EXPECT_EQ(x.exitCode, 1);
    EXPECT_EQ(x.err, o.err);
    EXPECT_TRUE(fs::exists(fs::path(damaged) / "list.txt")) << "what was read is still extracted";
    const std::string missing = (dir_ / "missing.zrk").string();
    const Outcome m = RunZrk({"list", missing});
    EXPECT_EQ(m.exitCode, 1);
    EXPECT_EQ(m.out, "");
    EXPECT_EQ(m.err, "Cannot open file " + missing + ": no such file\n");
}

TEST_F(ZrkTool, BadArgumentsGiveUsage) {
    const std::vector<std::vector<std::string>> bad = {{},
                                                       {"list"},
                                                       {"list", "a", "b"},
                                                       {"extract", "a"},
                                                       {"pack", "music", "d", "o"},
                                                       {"pack", "images", "d"},
                                                       {"show", "x"}};
    for (const auto& args : bad) {
        const Outcome o = RunZrk(args);
        EXPECT_EQ(o.exitCode, 2) << args.size() << " arguments";
        EXPECT_EQ(o.err.rfind("usage: zrk", 0), 0u);
    }
}

TEST_F(ZrkTool, ExtractThenPackGivesTheSameListingAndData) {
    const auto images =
        Save("g.zrk", media::WriteImageList(Images(), "g", media::PictureStorage::Bitmap));
    const auto sounds = Save("z.zrk", media::WriteSoundList(Sounds(), "z"));
    for (const auto& [file, kind] :
         {std::pair{images, ListKind::Images}, std::pair{sounds, ListKind::Sounds}}) {
        const std::string out = (dir_ / (file + ".x")).string();
        const std::string folder = (dir_ / (file + ".d")).string();
        ASSERT_EQ(RunZrk({"extract", file, folder}).exitCode, 0) << file;
        const Outcome listed = RunZrk({"list", file});
        Bytes listing;
        {
            std::ifstream in(fs::path(folder) / "list.txt");
            std::string text((std::istreambuf_iterator<char>(in)), {});
            EXPECT_EQ(text, listed.out) << "list.txt holds what list prints";
        }
        const Outcome packed =
            RunZrk({"pack", kind == ListKind::Images ? "images" : "sounds", folder, out});
        ASSERT_EQ(packed.exitCode, 0) << packed.err;
        EXPECT_EQ(RunZrk({"list", out}).out, listed.out);
    }
    // The data itself survives too.
    media::ImageList back;
    ASSERT_FALSE(media::LoadImageList((dir_ / (images + ".x")).string(), back));
    EXPECT_EQ(back, Images());
    media::SoundList soundsBack;
    ASSERT_FALSE(media::LoadSoundList((dir_ / (sounds + ".x")).string(), soundsBack));
    EXPECT_EQ(soundsBack, Sounds());
}

TEST_F(ZrkTool, PackFromListTxtOrBareFiles) {
    const fs::path folder = dir_ / "skin";
    fs::create_directories(folder);
    Save("skin/000.bmp", media::WriteBmpFile(media::Picture::Filled(4, 4, 0x00FF00)));
    Save("skin/001.bmp", media::WriteBmpFile(media::Picture::Filled(2, 2, 0x0000FF)));
    const std::string out = (dir_ / "skin.zrk").string();
    ASSERT_EQ(RunZrk({"pack", "images", folder.string(), out}).exitCode, 0);
    EXPECT_EQ(RunZrk({"list", out}).out,
              "0 image 4x4 patterns=1 transparent=yes color=$00000000 name=\"\"\n"
              "1 image 2x2 patterns=1 transparent=yes color=$00000000 name=\"\"\n");
    const std::string listing = "0 image 4x4 patterns=1 transparent=no color=$0000FF00 name=\"a\"\n"
                                "1 image empty name=\"b\"\n";
    Save("skin/list.txt", Bytes(listing.begin(), listing.end()));
    fs::remove(folder / "001.bmp");
    ASSERT_EQ(RunZrk({"pack", "images", folder.string(), out}).exitCode, 0);
    EXPECT_EQ(RunZrk({"list", out}).out, listing);
    const std::string broken = "0 image color=$12 name=\"a\"\n";
    Save("skin/list.txt", Bytes(broken.begin(), broken.end()));
    const Outcome bad = RunZrk({"pack", "images", folder.string(), out});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("color"), std::string::npos) << bad.err;
    EXPECT_EQ(RunZrk({"pack", "sounds", (dir_ / "nothing").string(), out}).exitCode, 1);
}

TEST_F(ZrkTool, FilesThatAreNoListsEndInAMessageNeverAHangOrAnAbort) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe.zrk").c_str(), 0644), 0);
    fs::create_directory(dir_ / "folder");
    fs::create_symlink("/dev/zero", dir_ / "zero.zrk");
    { std::ofstream(dir_ / "huge.zrk").put('x'); }
    fs::resize_file(dir_ / "huge.zrk", std::uintmax_t(65) << 20);
    const struct {
        std::string file;
        std::string reason;
    } cases[] = {
        {(dir_ / "pipe.zrk").string(), "it is a named pipe, not a regular file"},
        {(dir_ / "folder").string() + "/", "it is a folder, not a file"},
        {(dir_ / "zero.zrk").string(), "it is a device, not a regular file"},
        {(dir_ / "huge.zrk").string(), "it holds 65 MB, more than the 40 MB such a file may have"},
    };
    for (const auto& c : cases) {
        for (const auto& args : {std::vector<std::string>{"list", c.file},
                                 std::vector<std::string>{"extract", c.file, (dir_ / "x").string()},
                                 std::vector<std::string>{"list", "--sounds", c.file}}) {
            const Outcome o = RunZrk(args);
            EXPECT_EQ(o.exitCode, 1) << args[0] << " " << c.file;
            EXPECT_EQ(o.out, "");
            EXPECT_EQ(o.err, "Cannot open file " + c.file + ": " + c.reason + "\n");
        }
    }
    EXPECT_FALSE(fs::exists(dir_ / "x")) << "nothing extracted from what could not be read";
    // A pack whose folder holds a pipe in place of a picture says so too.
    fs::create_directory(dir_ / "skin");
    ASSERT_EQ(::mkfifo((dir_ / "skin" / "000.bmp").c_str(), 0644), 0);
    const Outcome pack =
        RunZrk({"pack", "images", (dir_ / "skin").string(), (dir_ / "o.zrk").string()});
    EXPECT_EQ(pack.exitCode, 1);
    EXPECT_EQ(pack.err, "Cannot open file " + (dir_ / "skin" / "000.bmp").string() +
                            ": it is a named pipe, not a regular file\n");
    const Outcome noFolder = RunZrk({"pack", "sounds", (dir_ / "pipe.zrk").string(), "o"});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_EQ(noFolder.err, "Cannot open folder " + (dir_ / "pipe.zrk").string() + "\n");
}

// Lists written by other programs: root classes and resource names of their own.
Bytes ForeignSoundList() {
    media::test::Stream s = media::test::Header("DXWAVELIST");
    s.raw("TPF0").str("TSoundHolder").str("Sounds").str("List").u8(14);
    for (int i = 0; i < 4; ++i) {
        const media::SoundEntry e = Sounds().entries[0];
        s.u8(1).textProp("Name", "zvuk" + std::to_string(i));
        s.str("Wave.WAVE").u8(10);
        const Bytes wave = media::WriteWaveImage(e, false);
        s.u32(std::uint32_t(wave.size())).raw(wave);
        s.str("MaxPlayingCount").u8(2).u8(std::uint8_t(i)).u8(0);
    }
    s.u8(0).u8(0).u8(0);
    return s.bytes();
}

Bytes ForeignImageList() {
    media::test::Stream s = media::test::Header("BILDER");
    s.raw("TPF0").str("TBildSammlung").str("").str("List").u8(14);
    s.u8(1).textProp("Name", "a").str("Transparent").u8(8).u8(0);
    s.u8(1).textProp("Name", "b").u8(0);
    s.u8(0).u8(0).u8(0);
    return s.bytes();
}

TEST_F(ZrkTool, TellsTheKindFromWhatTheListHoldsWhoeverWroteIt) {
    const auto sounds = Save("foreign-sounds.zrk", ForeignSoundList());
    const Outcome listed = RunZrk({"list", sounds});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.err, "");
    EXPECT_EQ(
        listed.out,
        "0 sound format=1 channels=2 rate=44100 bits=16 data=1001 looped=no max=0 name=\"zvuk0\"\n"
        "1 sound format=1 channels=2 rate=44100 bits=16 data=1001 looped=no max=1 name=\"zvuk1\"\n"
        "2 sound format=1 channels=2 rate=44100 bits=16 data=1001 looped=no max=2 name=\"zvuk2\"\n"
        "3 sound format=1 channels=2 rate=44100 bits=16 data=1001 looped=no max=3 "
        "name=\"zvuk3\"\n");
    const std::string folder = (dir_ / "foreign").string();
    const Outcome extracted = RunZrk({"extract", sounds, folder});
    EXPECT_EQ(extracted.exitCode, 0) << extracted.err;
    EXPECT_TRUE(fs::exists(fs::path(folder) / "003.wav"));

    const auto images = Save("foreign-images.zrk", ForeignImageList());
    const Outcome pictures = RunZrk({"list", images});
    EXPECT_EQ(pictures.exitCode, 0) << pictures.err;
    EXPECT_EQ(pictures.out, "0 image empty name=\"a\"\n1 image empty name=\"b\"\n");

    // Our own lists still list as they always did, even when their entries carry names only.
    media::SoundList named;
    named.entries.resize(2);
    named.entries[1].name = "ticho";
    const Outcome own = RunZrk({"list", Save("own.zrk", media::WriteSoundList(named, "zvuky"))});
    EXPECT_EQ(own.out.substr(0, 8), "0 sound ") << own.out;
    EXPECT_EQ(own.err, "");
}

TEST_F(ZrkTool, WhereNothingTellsTheKindTheUserSaysIt) {
    // Entries with names only, in a list whose names hint at nothing.
    media::test::Stream s = media::test::Header("STUFF");
    s.raw("TPF0").str("THolder").str("").str("List").u8(14);
    s.u8(1).textProp("Name", "x").u8(0).u8(0).u8(0).u8(0);
    const auto file = Save("ambiguous.zrk", s.bytes());
    const Outcome guessed = RunZrk({"list", file});
    EXPECT_EQ(guessed.exitCode, 0);
    EXPECT_EQ(guessed.out, "0 image empty name=\"x\"\n");
    EXPECT_EQ(guessed.err, "zrk: nothing in " + file +
                               " tells images from sounds; listed as images (--sounds reads it "
                               "as sounds)\n");
    const Outcome told = RunZrk({"list", "--sounds", file});
    EXPECT_EQ(told.exitCode, 0);
    EXPECT_EQ(told.err, "");
    EXPECT_EQ(told.out,
              "0 sound format=0 channels=0 rate=0 bits=0 data=0 looped=no max=0 name=\"x\"\n");
    EXPECT_EQ(RunZrk({"list", file, "--images"}).err, "") << "the option may follow the file";
    const std::string folder = (dir_ / "told").string();
    ASSERT_EQ(RunZrk({"extract", "--sounds", file, folder}).exitCode, 0);
    std::ifstream entries(fs::path(folder) / "entries.txt");
    std::string first;
    std::getline(entries, first);
    EXPECT_EQ(first, "0 sound looped=no max=0 name=\"x\"");

    // Told the wrong kind, the reader says what it found.
    const Outcome wrong = RunZrk({"list", "--images", Save("s.zrk", ForeignSoundList())});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("Property does not exist"), std::string::npos) << wrong.err;
    for (const auto& bad : {std::vector<std::string>{"list", "--images", "--sounds", file},
                            std::vector<std::string>{"pack", "--images", "images", "d", "o"}}) {
        EXPECT_EQ(RunZrk(bad).exitCode, 2);
    }
}

TEST(ListingLines, ParseBackWhatIsPrinted) {
    const std::string weird = std::string("q\"\\\x01\xe8 x=y", 9);
    media::ImageEntry e;
    e.name = weird;
    const auto parsed = ParseListingLine(ImageLine(7, e));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->index, 7);
    EXPECT_EQ(parsed->kind, "image");
    EXPECT_EQ(parsed->fields.at("name"), weird);
    EXPECT_TRUE(parsed->fields.count("empty"));
    for (const char* bad : {"x image", "1", "1 image name=\"open", "1 image name=\"a\\x4\""}) {
        EXPECT_FALSE(ParseListingLine(bad)) << bad;
    }
}

} // namespace
} // namespace sixdice::zrk
