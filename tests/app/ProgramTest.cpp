// The whole program on the recording double: start-up, first frame, message loop, failures.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "media/testing/RecordingServices.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>

namespace sixdice::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Program : public ::testing::Test {
protected:
    testsupport::WorkingFolder folder_;
    media::testing::RecordingServices services_;
    media::testing::CallLog& Log() { return services_.log(); }
};

TEST_F(Program, StartsShowsTheMenuAndClosesFromIt) {
    folder_.WriteCompleteSet("0\r\n0\r\nEN\r\n");
    const auto before = folder_.Listing();
    services_.QueueCloseRequest();
    EXPECT_EQ(RunGame(services_), 0);
    EXPECT_THAT(Log().Lines(), ElementsAre("SetImageList 28", "Window.SetCaption Six Dice",
                                           "SetSoundList 14", "Window.SetLayout small",
                                           "Window.Show", "Restore", "DrawImage 0 0 0 0", "Present",
                                           // the close request on the menu: the farewell
                                           "Pointer.Hide", "DrawImage 5 0 0 0", "Present",
                                           "PlaySound 2 wait", "Pointer.Show"));
    EXPECT_EQ(folder_.Listing(), before) << "the program writes no file";
}

TEST_F(Program, MenuMusicPlaysUntilTheFarewell) {
    folder_.WriteCompleteSet("menu.ogg\n0\nCZ\n");
    services_.SetMusicLength("hudba/menu.ogg", 400);
    services_.QueueMouseMove(10, 10);
    services_.QueueCloseRequest();
    EXPECT_EQ(RunGame(services_), 0);
    EXPECT_EQ(Log().Count("Music.Play"), 1) << Log().Text();
    const auto& lines = Log().Lines();
    auto stop = std::find(lines.begin(), lines.end(), "Music.Stop");
    ASSERT_NE(stop, lines.end()) << Log().Text();
    EXPECT_EQ(*(stop + 1), "Music.Close");
    EXPECT_EQ(*(stop + 2), "Pointer.Hide") << "the music is closed before the farewell";
}

TEST_F(Program, MenuMusicLoopsWhileIdle) {
    folder_.WriteCompleteSet("menu.ogg\n0\nCZ\n");
    services_.SetMusicLength("hudba/menu.ogg", 400);
    LoopOptions twoSeconds;
    twoSeconds.runFor = 2000;
    EXPECT_EQ(RunGame(services_, twoSeconds), 0);
    EXPECT_EQ(Log().Count("Music.Rewind"), 4) << "restarted at 400, 800, 1200 and 1600 ms:\n"
                                              << Log().Text();
}

TEST_F(Program, MovementsInABurstArePresentedOnce) {
    folder_.WriteCompleteSet("0\n0\nCZ\n");
    for (int i = 0; i < 20; ++i) {
        services_.QueueMouseMove(100 + i, 50);
    }
    services_.QueueCloseRequest();
    EXPECT_EQ(RunGame(services_), 0);
    EXPECT_EQ(Log().Count("Present"), 3) << "first frame, one for the burst, the farewell:\n"
                                         << Log().Text();
}

struct StartFailure {
    const char* label;
    const char* settings; // nullptr: no settings file
    const char* removed;  // a data file left out
    const char* message;  // part of the text shown
};

TEST_F(Program, StartUpFailuresEndWithTheirMessageAndExitCode1) {
    const StartFailure cases[] = {
        {"settings file missing", nullptr, nullptr,
         "The settings file \"nastaveni.zrk\" is missing"},
        {"Czech graphics missing", "0\n0\nCZ\n", "grafika_cz.zrk", "grafika_cz.zrk"},
        {"English graphics missing", "0\n0\nEN\n", "grafika_en.zrk", "grafika_en.zrk"},
        {"sound file missing", "0\n0\nEN\n", "zvuky.zrk", "zvuky.zrk"},
        {"language in lower case", "0\n0\ncz\n", nullptr, "\"cz\""},
        {"no language line", "0\n0\n", nullptr, "\"CZ\" (čeština) a \"EN\" (angličtina)"},
    };
    for (const auto& c : cases) {
        testsupport::WorkingFolder folder;
        folder.WriteSetWithout(c.settings, c.removed);
        const auto before = folder.Listing();
        media::testing::RecordingServices services;
        EXPECT_EQ(RunGame(services), 1) << c.label;
        const auto boxes = services.log().Matching("MessageBox ");
        ASSERT_EQ(boxes.size(), 1u) << c.label << ":\n" << services.log().Text();
        EXPECT_THAT(boxes[0], HasSubstr(c.message)) << c.label;
        EXPECT_EQ(services.log().Count("Window.Show"), 0) << c.label;
        EXPECT_EQ(services.log().Count("Present"), 0) << c.label;
        EXPECT_EQ(folder.Listing(), before) << c.label << ": nothing written";
    }
}

TEST_F(Program, MusicThatCannotBeOpenedDoesNotStopTheGame) {
    folder_.WriteCompleteSet("chybi.ogg\n0\nEN\n");
    services_.FailMusicOpen("hudba/chybi.ogg", "Couldn't open 'hudba/chybi.ogg'");
    services_.QueueCloseRequest();
    EXPECT_EQ(RunGame(services_), 0);
    const auto boxes = Log().Matching("MessageBox ");
    ASSERT_EQ(boxes.size(), 1u) << Log().Text();
    EXPECT_THAT(boxes[0], HasSubstr("The music file \"hudba/chybi.ogg\" is missing. The game goes "
                                    "on without music."));
    EXPECT_THAT(boxes[0], HasSubstr("\nCouldn't open 'hudba/chybi.ogg'")) << "the player's words";
    EXPECT_EQ(Log().Count("DrawImage 0 0 0 0"), 1) << "the menu still shows";
}

TEST_F(Program, FirstFrameOptionEndsAfterTheMenuIsShown) {
    folder_.WriteCompleteSet("menu.ogg\n0\nEN\n");
    LoopOptions firstFrame;
    firstFrame.exitAfterFirstFrame = true;
    EXPECT_EQ(RunGame(services_, firstFrame), 0);
    EXPECT_EQ(Log().Count("Present"), 1);
    EXPECT_EQ(Log().Lines().back(), "Present") << Log().Text();
}

} // namespace
} // namespace sixdice::app
