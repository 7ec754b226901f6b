// Music from the settings lines: start, stop, and the 10 ms loop that restarts a finished piece.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/TmainFixture.h"
#include "ui/MusicPath.h"

#include <gmock/gmock.h>

namespace sixdice::ui {
namespace {

using ::testing::ElementsAre;
using testsupport::TmainTest;

class MusicLoop : public TmainTest {
protected:
    void SetUp() override { folder_.WriteCompleteSet(""); }

    // Lets the fake clock run in 10 ms timer ticks, as the message loop does.
    void RunFor(std::uint64_t milliseconds) {
        const std::uint64_t end = services_.Now() + milliseconds;
        while (services_.Now() < end) {
            const std::uint64_t left = end - services_.Now();
            auto sleep = tmain_->TimeToNextTimer(services_.Now());
            services_.AdvanceClock(sleep ? std::clamp<std::uint64_t>(*sleep, 1, left) : left);
            tmain_->RunDueTimers(services_.Now());
        }
    }
};

TEST_F(MusicLoop, RestartsAShortPieceWithinATickOfItsEnd) {
    services_.SetMusicLength("hudba/short.ogg", 250);
    Tmain& tmain = StartWindow({"short.ogg", "0", "EN"});
    ASSERT_TRUE(tmain.MusicOn());
    EXPECT_EQ(tmain.TimeToNextTimer(services_.Now()), 250u)
        << "the 10 ms ticks before the end find nothing to do and are slept through";
    services_.AdvanceClock(93);
    EXPECT_EQ(tmain.TimeToNextTimer(services_.Now()), 157u) << "to the first tick at 250 ms";
    Log().Clear();
    RunFor(240 - 93);
    EXPECT_TRUE(Log().Lines().empty()) << "no restart before the end:\n" << Log().Text();
    RunFor(20);
    EXPECT_THAT(Log().Lines(), ElementsAre("Music.Rewind", "Music.Play"));
    EXPECT_TRUE(services_.music().IsPlaying());
    Log().Clear();
    RunFor(1000); // four more rounds of 250 ms
    EXPECT_EQ(Log().Count("Music.Rewind"), 4) << Log().Text();
    EXPECT_EQ(Log().Count("Music.Play"), 4);
}

TEST_F(MusicLoop, StopsAndStaysSilent) {
    services_.SetMusicLength("hudba/short.ogg", 100);
    Tmain& tmain = StartWindow({"short.ogg", "0", "EN"});
    tmain.StopMusic();
    EXPECT_FALSE(tmain.MusicOn());
    EXPECT_EQ(Log().Count("Music.Stop"), 1);
    EXPECT_TRUE(services_.music().IsOpen()) << "stopping keeps the file open";
    EXPECT_EQ(tmain.TimeToNextTimer(services_.Now()), std::nullopt)
        << "without music the loop sleeps until the next event";
    Log().Clear();
    RunFor(500);
    EXPECT_TRUE(Log().Lines().empty()) << Log().Text();
    tmain.StopMusic(); // a second stop does nothing
    EXPECT_EQ(Log().Count("Music.Stop"), 0);
}

TEST_F(MusicLoop, SwitchingPiecesStartsEachFromTheBeginning) {
    Tmain& tmain = StartWindow({"menu.ogg", "hra.ogg", "CZ"});
    tmain.StopMusic();
    Log().Clear();
    tmain.StartMusic(tmain.Settings().GameMusic());
    EXPECT_THAT(Log().Lines(), ElementsAre("Music.SetFileName hudba/hra.ogg",
                                           "Music.Open hudba/hra.ogg", "Music.Play"));
    EXPECT_EQ(services_.music().Position(), 0);
    Log().Clear();
    tmain.StartMusic("0");
    EXPECT_TRUE(Log().Lines().empty()) << "\"0\" means no music";
    EXPECT_TRUE(tmain.MusicOn()) << "and leaves the playing piece alone";
}

TEST_F(MusicLoop, AFailedOpenWhileMusicPlaysLeavesTheLoopIdle) {
    // The abandoned-game case: game music plays, the menu piece cannot be opened.
    services_.FailMusicOpen("hudba/broken.ogg", "Cannot open hudba/broken.ogg");
    Tmain& tmain = StartWindow({"broken.ogg", "hra.ogg", "CZ"});
    tmain.StartMusic("hra.ogg");
    ASSERT_TRUE(tmain.MusicOn());
    tmain.StartMusic("broken.ogg");
    EXPECT_FALSE(tmain.MusicOn());
    EXPECT_FALSE(services_.music().IsOpen());
    const auto boxes = Log().Matching("MessageBox ");
    ASSERT_EQ(boxes.size(), 2u) << Log().Text();
    EXPECT_THAT(boxes[1], ::testing::HasSubstr("\nCannot open hudba/broken.ogg")) << boxes[1];
    Log().Clear();
    RunFor(5000);
    EXPECT_TRUE(Log().Lines().empty()) << Log().Text();
}

TEST(MusicPathOf, JoinsTheMusicFolder) {
    EXPECT_EQ(MusicPath("menu.ogg"), "hudba/menu.ogg");
    EXPECT_EQ(MusicPath(" Menu.OGG "), "hudba/ Menu.OGG ");
    EXPECT_EQ(MusicPath("a\\b.ogg"), "hudba/a/b.ogg");
    EXPECT_EQ(MusicPath(""), "hudba/");
}

} // namespace
} // namespace sixdice::ui
