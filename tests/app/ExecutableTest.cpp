// The real executable, headless, in a temporary folder: exit codes and messages of start-up.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/media/TestStreams.h"
#include "tests/support/BuildPaths.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sixdice::app {
namespace {

using ::testing::HasSubstr;

struct RunResult {
    int exitCode = -1;
    std::string errorOutput;
};

// Runs the game in the current (temporary) folder with SDL's dummy drivers, after `prefix` (more
// variables, or a command that runs it); a run that takes 20 s is ended and fails its test. The
// player's own settings file is looked for in the folder's "config", absent unless a test makes it.
RunResult RunSixDice(const testsupport::WorkingFolder& folder, const std::string& arguments,
                     const std::string& prefix = "") {
    const auto errors =
        folder.Path().parent_path() / (folder.Path().filename().string() + ".stderr");
    const std::string command = "SIXDICE_HEADLESS=1 XDG_CONFIG_HOME='" +
                                (folder.Path() / "config").string() + "' " + prefix +
                                " timeout 20 '" + build_paths::executable + "' " + arguments +
                                " >/dev/null 2>'" + errors.string() + "'";
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    result.errorOutput = text.str();
    std::filesystem::remove(errors);
    return result;
}

TEST(Executable, RefusesToStartWithoutItsFiles) {
    struct Case {
        const char* label;
        const char* settings; // nullptr: no settings file at all
        const char* removed;
        const char* message;
    } cases[] = {
        {"no settings file", nullptr, nullptr, "The settings file \"nastaveni.zrk\" is missing."},
        {"third line lower case", "0\n0\ncz\n", nullptr,
         "The third line of the file \"nastaveni.zrk\" is \"cz\"; the accepted values are "
         "\"CZ\" (Czech) and \"EN\" (English)."},
        {"graphics file missing", "0\n0\nCZ\n", "grafika_cz.zrk", "grafika_cz.zrk"},
        {"sound file missing", "0\n0\nEN\n", "zvuky.zrk", "zvuky.zrk"},
    };
    for (const auto& c : cases) {
        testsupport::WorkingFolder folder;
        folder.WriteSetWithout(c.settings, c.removed);
        const auto before = folder.Listing();
        const RunResult result = RunSixDice(folder, "");
        EXPECT_EQ(result.exitCode, 1) << c.label << "\n" << result.errorOutput;
        EXPECT_THAT(result.errorOutput, HasSubstr(c.message)) << c.label;
        EXPECT_EQ(folder.Listing(), before) << c.label << ": nothing written";
    }
}

TEST(Executable, StartsAndShowsTheMenuHeadless) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("0\n0\nEN\n");
    const RunResult result = RunSixDice(folder, "--exit-after-first-frame");
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput, "");
}

TEST(Executable, GoesOnWithoutMusicThatCannotBeOpened) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("neni.ogg\n0\nCZ\n");
    const RunResult result = RunSixDice(folder, "--exit-after-first-frame");
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_THAT(result.errorOutput, HasSubstr("neni.ogg")) << "the music's failure is shown";
}

// Files that are not what their names promise: each run ends at once, never waits or crashes.
TEST(Executable, RefusesSpecialFilesWithoutWaiting) {
    const struct {
        const char* file;
        bool useFifo; // else a link to /dev/zero
        const char* message;
    } cases[] = {
        {"nastaveni.zrk", true, "The settings file \"nastaveni.zrk\" is a named pipe"},
        {"nastaveni.zrk", false, "The settings file \"nastaveni.zrk\" is a device"},
        {"grafika_cz.zrk", true, "The graphics file \"grafika_cz.zrk\" is a named pipe"},
        {"zvuky.zrk", false, "The sound file \"zvuky.zrk\" is a device"},
    };
    for (const auto& c : cases) {
        testsupport::WorkingFolder folder;
        folder.WriteSetWithout("0\n0\nCZ\n", c.file);
        const auto path = folder.Path() / c.file;
        if (c.useFifo) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else {
            std::filesystem::create_symlink("/dev/zero", path);
        }
        const auto before = folder.Listing();
        const RunResult result = RunSixDice(folder, "--exit-after-first-frame");
        EXPECT_EQ(result.exitCode, 1) << c.file << "\n" << result.errorOutput;
        EXPECT_THAT(result.errorOutput, HasSubstr(c.message)) << c.file;
        EXPECT_EQ(folder.Listing(), before) << c.file << ": nothing written";
    }
}

TEST(Executable, GoesOnWithoutMusicThatIsANamedPipe) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("menu.ogg\n0\nEN\n");
    std::filesystem::create_directory(folder.Path() / "hudba");
    ASSERT_EQ(::mkfifo((folder.Path() / "hudba" / "menu.ogg").c_str(), 0644), 0);
    const RunResult result = RunSixDice(folder, "--exit-after-first-frame");
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_THAT(
        result.errorOutput,
        HasSubstr("The music file \"hudba/menu.ogg\" is a named pipe, not an ordinary file. "
                  "The game goes on without music."));
}

// Music files that open but are no music, or that the decoder gives up on when asked to play.
TEST(Executable, GoesOnWithoutMusicThatCannotBePlayed) {
    const std::filesystem::path realPiece =
        std::filesystem::path(build_paths::assetDir) / "hudba/menu.ogg";
    std::ifstream in(realPiece, std::ios::binary);
    if (!in) {
        GTEST_SKIP() << "no generated music in " << realPiece << " (build the assets first)";
    }
    std::string cut(4000, '\0'); // the first pages only: it opens, but cannot be started
    in.read(cut.data(), std::streamsize(cut.size()));
    const struct {
        const char* label;
        std::string bytes;
        const char* problem;
        const char* playerWords;
    } cases[] = {
        {"plain text", "not music at all\n", "cannot be played", "\n"},
        {"a piece cut short", cut, "cannot be played", "\nMix_PlayMusic: "},
        {"a folder", "", "is a folder, not a file",
         "\nCannot open file hudba/menu.ogg: it is a folder"},
    };
    for (const auto& c : cases) {
        testsupport::WorkingFolder folder;
        folder.WriteCompleteSet("menu.ogg\n0\nEN\n");
        if (c.bytes.empty()) {
            std::filesystem::create_directories(folder.Path() / "hudba" / "menu.ogg");
        } else {
            folder.WriteFile("hudba/menu.ogg", c.bytes);
        }
        const RunResult result = RunSixDice(folder, "--exit-after-first-frame");
        EXPECT_EQ(result.exitCode, 0) << c.label << "\n" << result.errorOutput;
        EXPECT_THAT(result.errorOutput,
                    HasSubstr(std::string("The music file \"hudba/menu.ogg\" ") + c.problem +
                              ". The game goes on without music."))
            << c.label;
        EXPECT_THAT(result.errorOutput, HasSubstr(c.playerWords)) << c.label;
    }
}

TEST(Executable, RefusesAnUnreadableFileForWantOfPermission) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("0\n0\nCZ\n");
    std::filesystem::permissions(folder.Path() / "grafika_cz.zrk", std::filesystem::perms::none);
    // Root reads every file; the game then runs as the unprivileged user "nobody".
    std::string prefix;
    if (::geteuid() == 0) {
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups --";
    }
    const RunResult result = RunSixDice(folder, "--exit-after-first-frame", prefix);
    EXPECT_EQ(result.exitCode, 1) << result.errorOutput;
    EXPECT_THAT(result.errorOutput, HasSubstr("The graphics file \"grafika_cz.zrk\" cannot be "
                                              "read: permission denied. Reinstall the game."));
}

TEST(Executable, HugeAndGarbledSettingsGiveShortSafeMessages) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("0\n0\n" + std::string(1 << 20, 'Q') + "\n");
    RunResult result = RunSixDice(folder, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.errorOutput, HasSubstr("is too large (1 MB; at most 4 KB)"));
    EXPECT_LT(result.errorOutput.size(), 2000u);

    folder.WriteFile("nastaveni.zrk", std::string("0\r\n0\r\nC\0Z\r\n", 11));
    result = RunSixDice(folder, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.errorOutput,
                HasSubstr("The third line of the file \"nastaveni.zrk\" is \"C\\x00Z\";"));
    EXPECT_THAT(result.errorOutput, HasSubstr("text saved as UTF-16 looks like this"));
}

TEST(Executable, ABombOfAPictureIsRefusedQuicklyAndPlainly) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("0\n0\nCZ\n");
    // One run-length coded picture claiming 16384 x 16384 pixels (1 GiB) from 1 MB.
    media::test::DibLayout bomb;
    bomb.width = bomb.height = 16384;
    bomb.bitCount = 8;
    bomb.compression = 1;
    bomb.imageSize = 1u << 20;
    bomb.colorsUsed = 1;
    bomb.palette = {0, 0, 0, 0};
    bomb.pixels.assign(bomb.imageSize, 0);
    const auto bytes = media::test::TdibFile(bomb);
    folder.WriteFile("grafika_cz.zrk", std::string(bytes.begin(), bytes.end()));
    const RunResult result = RunSixDice(folder, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.errorOutput,
                HasSubstr("The graphics file \"grafika_cz.zrk\" is damaged. Reinstall the game.\n"
                          "Error reading TPictureCollectionComponent.List: Error reading "
                          "TPictureCollectionItem.Picture.Data: Picture of 16384 x 16384 pixels is "
                          "larger than the 2097152 pixels a picture may have"));
}

TEST(Executable, ReadsThePlayersOwnSettingsFirst) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("0\n0\nxx\n"); // the game's own file would be refused
    folder.WriteFile("config/sixdice/nastaveni.zrk", "0\n0\nEN\n");
    const auto before = folder.Listing();
    RunResult result = RunSixDice(folder, "--exit-after-first-frame");
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(folder.Listing(), before) << "neither settings file is written";

    folder.WriteFile("config/sixdice/nastaveni.zrk", "0\n0\nDE\n");
    result = RunSixDice(folder, "--exit-after-first-frame");
    EXPECT_EQ(result.exitCode, 1);
    const std::string own = (folder.Path() / "config/sixdice/nastaveni.zrk").string();
    EXPECT_THAT(result.errorOutput,
                HasSubstr("The third line of the file \"" + own + "\" is \"DE\""));
}

TEST(Executable, RejectsUnknownOptions) {
    testsupport::WorkingFolder folder;
    const RunResult result = RunSixDice(folder, "--no-such-option");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.errorOutput, HasSubstr("Usage: sixdice"));
}

} // namespace
} // namespace sixdice::app
