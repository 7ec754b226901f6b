// The real executable, headless, in a temporary folder: exit codes and messages of start-up.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/SyntheticAssets.h"

#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <sstream>
#include <sys/wait.h>

namespace sixdice::app {
namespace {

using ::testing::HasSubstr;

struct RunResult {
    int exitCode = -1;
    std::string errorOutput;
};

// Runs the game in the current (temporary) folder with SDL's dummy drivers.
RunResult RunSixDice(const testsupport::WorkingFolder& folder, const std::string& arguments) {
    const auto errors =
        folder.Path().parent_path() / (folder.Path().filename().string() + ".stderr");
    const std::string command = "SIXDICE_HEADLESS=1 timeout 20 '" SIXDICE_EXECUTABLE "' " +
                                arguments + " >/dev/null 2>'" + errors.string() + "'";
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
        {"no settings file", nullptr, nullptr,
         "Cannot open file \"nastaveni.zrk\". No such file or directory."},
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

TEST(Executable, RejectsUnknownOptions) {
    testsupport::WorkingFolder folder;
    const RunResult result = RunSixDice(folder, "--no-such-option");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.errorOutput, HasSubstr("Usage: sixdice"));
}

} // namespace
} // namespace sixdice::app
