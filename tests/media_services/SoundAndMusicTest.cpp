// Sound and music in the headless SDL build: conversion at load, voices for real, the OGG player.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessFixture.h"
#include "TestRecordings.h"
#include "media/sdl/SdlSound.h"

#include <SDL.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace sixdice::media::testing {
namespace {

class HeadlessSound : public HeadlessServices {
protected:
    sdl::SdlSound& sound() { return dynamic_cast<sdl::SdlSound&>(s().sound()); }
};

TEST_F(HeadlessSound, EveryRecordingKindIsConvertedAtLoad) {
    SoundList list;
    list.entries.push_back(PcmTone(8, 1, 11025, 100));
    list.entries.push_back(PcmTone(16, 2, 22050, 100));
    list.entries.push_back(PcmTone(16, 1, 48000, 100));
    list.entries.push_back(PcmTone(8, 2, 8000, 100));
    list.entries.push_back(ImaAdpcmTone(22050, 100));
    list.entries.push_back(MsAdpcmTone(22050, 100));
    SoundEntry odd = PcmTone(16, 2, 22050, 100);
    odd.samples.resize(odd.samples.size() - 3); // ends inside a sample frame
    list.entries.push_back(odd);
    list.entries.push_back(SoundEntry{}); // no recording
    const MediaError e = sound().SetSoundList(ThroughListFile(list));
    EXPECT_FALSE(e) << *e;
    EXPECT_EQ(sound().SoundCount(), 8);
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(sound().PlaySound(i, false));
        EXPECT_EQ(sound().Sounding(i), 1) << "sound " << i << " plays";
    }
    EXPECT_FALSE(sound().PlaySound(7, true)) << "an empty entry is silent, not an error";
    EXPECT_EQ(sound().Sounding(7), 0);
}

TEST_F(HeadlessSound, AFormatTheDecoderDoesNotKnowStaysSilentAndIsReported) {
    SoundList list;
    list.entries.push_back(PcmTone(16, 1, 22050, 50));
    SoundEntry mp3 = PcmTone(16, 1, 22050, 50);
    mp3.format[0] = 0x55; // MPEG layer 3 in a WAVE file
    list.entries.push_back(mp3);
    const MediaError e = sound().SetSoundList(list);
    ASSERT_TRUE(e);
    EXPECT_NE(e->find("Sound 1"), std::string::npos) << *e;
    EXPECT_FALSE(sound().PlaySound(1, true));
    EXPECT_EQ(sound().Sounding(1), 0);
    EXPECT_FALSE(sound().PlaySound(0, false));
    EXPECT_EQ(sound().Sounding(0), 1) << "the other entries still play";
}

TEST_F(HeadlessSound, VoicesOverlapUpToTheEntrysLimit) {
    SoundList list;
    list.entries.push_back(PcmTone(16, 1, 22050, 2000));
    list.entries.push_back(PcmTone(16, 1, 22050, 2000));
    list.entries.back().maxPlayingCount = 2;
    sound().SetSoundList(list);
    for (int i = 0; i < 20; ++i)
        sound().PlaySound(0, false);
    EXPECT_EQ(sound().Sounding(0), 20) << "more voices than the mixer's first channels";
    for (int i = 0; i < 5; ++i)
        sound().PlaySound(1, false);
    EXPECT_EQ(sound().Sounding(1), 2);
}

TEST_F(HeadlessSound, WaitReturnsWhenTheVoiceHasStopped) {
    SoundList list;
    list.entries.push_back(PcmTone(16, 1, 22050, 120));
    sound().SetSoundList(list);
    EXPECT_FALSE(sound().PlaySound(0, true));
    EXPECT_EQ(sound().Sounding(0), 0);
}

TEST_F(HeadlessSound, ALoopedEntryKeepsItsSingleVoiceGoing) {
    SoundList list;
    list.entries.push_back(PcmTone(16, 1, 22050, 40));
    list.entries.back().looped = true;
    sound().SetSoundList(ThroughListFile(list));
    sound().PlaySound(0, true); // the wait does not apply to a looped entry
    sound().PlaySound(0, false);
    SDL_Delay(150);
    EXPECT_EQ(sound().Sounding(0), 1) << "still looping after several lengths";
}

TEST_F(HeadlessSound, IndexOutsideTheListIsAnError) {
    sound().SetSoundList({});
    EXPECT_TRUE(sound().PlaySound(0, false));
}

class HeadlessMusic : public HeadlessServices {
protected:
    void SetUp() override {
        HeadlessServices::SetUp();
        // CTest runs these cases as parallel processes: each writes its pieces in its own folder.
        folder_ = std::filesystem::path(::testing::TempDir()) /
                  ("sixdice-music-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        shortPiece_ = (folder_ / "short piece.ogg").string();
        longPiece_ = (folder_ / "long.ogg").string();
        ASSERT_TRUE(WriteOggTone(shortPiece_, 300));
        ASSERT_TRUE(WriteOggTone(longPiece_, 5000));
    }
    void TearDown() override {
        HeadlessServices::TearDown(); // closes the player before its files go
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    // Waits (real time, bounded) until the condition holds.
    template <class F>
    bool Eventually(F condition, int limitMs = 5000) {
        for (int waited = 0; waited < limitMs; waited += 5) {
            if (condition())
                return true;
            SDL_Delay(5);
        }
        return condition();
    }
    MediaPlayer& player() { return s().music(); }

    std::filesystem::path folder_;
    std::string shortPiece_;
    std::string longPiece_;
};

TEST_F(HeadlessMusic, AFileThatCannotBeOpenedGivesTheMixersMessage) {
    player().SetFileName((folder_ / "missing.ogg").string());
    const MediaError e = player().Open();
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->empty());
    EXPECT_FALSE(player().IsOpen());
    EXPECT_EQ(player().Position(), 0);
    EXPECT_EQ(player().Length(), 0);
    player().Play(); // harmless on a closed player
    EXPECT_FALSE(player().IsPlaying());
}

TEST_F(HeadlessMusic, OpeningClosesThePreviousFile) {
    player().SetFileName(longPiece_);
    ASSERT_FALSE(player().Open());
    player().Play();
    player().SetFileName((folder_ / "missing.ogg").string());
    EXPECT_TRUE(player().Open());
    EXPECT_FALSE(player().IsOpen()) << "the failed open left the player closed";
    EXPECT_FALSE(player().IsPlaying());
}

TEST_F(HeadlessMusic, LengthAndPositionInMilliseconds) {
    player().SetFileName(longPiece_);
    ASSERT_FALSE(player().Open());
    EXPECT_NEAR(player().Length(), 5000, 20);
    EXPECT_EQ(player().Position(), 0);
    player().Play();
    ASSERT_TRUE(Eventually([&] { return player().Position() > 0; }));
    EXPECT_LT(player().Position(), player().Length());
}

TEST_F(HeadlessMusic, AfterTheEndThePositionIsAtLeastTheLength) {
    player().SetFileName(shortPiece_);
    ASSERT_FALSE(player().Open());
    player().Play();
    ASSERT_TRUE(Eventually([&] { return !player().IsPlaying(); })) << "the piece ends";
    EXPECT_GE(player().Position(), player().Length());
    player().Play(); // from the start, since it is at the end
    EXPECT_TRUE(player().IsPlaying());
    EXPECT_LT(player().Position(), player().Length());
}

TEST_F(HeadlessMusic, StopKeepsThePositionRewindGoesToTheStart) {
    player().SetFileName(longPiece_);
    ASSERT_FALSE(player().Open());
    player().Play();
    ASSERT_TRUE(Eventually([&] { return player().Position() >= 100; }));
    player().Stop();
    EXPECT_FALSE(player().IsPlaying());
    const auto stopped = player().Position();
    SDL_Delay(60);
    EXPECT_EQ(player().Position(), stopped) << "stopped music does not move on";
    EXPECT_GE(stopped, 100);
    EXPECT_TRUE(player().IsOpen()) << "stop leaves the file open";
    player().Play();
    EXPECT_GE(player().Position(), stopped) << "play goes on from where it stopped";
    player().Rewind();
    EXPECT_EQ(player().Position(), 0);
    EXPECT_FALSE(player().IsPlaying());
    player().Close();
    EXPECT_FALSE(player().IsOpen());
    EXPECT_EQ(player().Length(), 0);
}

TEST_F(HeadlessMusic, TheTenMillisecondRestartLoopKeepsAShortPieceGoing) {
    player().SetFileName(shortPiece_);
    ASSERT_FALSE(player().Open());
    player().Play();
    int restarts = 0;
    // About 60 ticks suffice; the bound of 10 s only matters on a machine too loaded to keep time.
    for (int tick = 0; tick < 1000 && restarts < 2; ++tick) {
        SDL_Delay(10);
        if (player().Position() >= player().Length()) {
            player().Rewind();
            player().Play();
            ++restarts;
        }
    }
    EXPECT_EQ(restarts, 2) << "the 300 ms piece ended and was started again twice";
    EXPECT_TRUE(player().IsPlaying());
}

} // namespace
} // namespace sixdice::media::testing
