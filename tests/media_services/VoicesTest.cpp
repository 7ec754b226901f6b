// Voice bookkeeping against a recorded mixer: overlaps, voice limits, looped entries, the wait.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Voices.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace sixdice::media {
namespace {

// A mixer on a fake clock: each sound lasts a set time, channels are taken lowest first, and
// every call is written down.
class RecordedMixer final : public MixerBackend {
public:
    explicit RecordedMixer(std::map<int, int> durations) : durations_(std::move(durations)) {}

    int Start(int sound, bool looped) override {
        int channel = 0;
        while (IsPlaying(channel))
            ++channel;
        Begin(channel, sound, looped);
        calls.push_back("start " + std::to_string(sound) + (looped ? " looped" : "") + " ch" +
                        std::to_string(channel));
        return channel;
    }
    void Restart(int channel, int sound, bool looped) override {
        Begin(channel, sound, looped);
        calls.push_back("restart " + std::to_string(sound) + (looped ? " looped" : "") + " ch" +
                        std::to_string(channel));
    }
    bool IsPlaying(int channel) const override {
        const auto it = ends_.find(channel);
        return it != ends_.end() && (it->second < 0 || it->second > now);
    }
    void Delay(int milliseconds) override {
        ++delays;
        lastDelay = milliseconds;
        now += milliseconds;
    }
    bool WaitCancelled() const override { return cancelAt >= 0 && now >= cancelAt; }

    std::vector<std::string> calls;
    long now = 0;
    int delays = 0;
    int lastDelay = 0;
    long cancelAt = -1; // when the system asks the program to end; -1: never

private:
    void Begin(int channel, int sound, bool looped) {
        ends_[channel] = looped ? -1 : now + durations_.at(sound);
    }
    std::map<int, int> durations_;
    std::map<int, long> ends_; // channel -> end time, -1 = forever
};

std::vector<VoiceRule> Rules() {
    return {
        {true, false, 0}, // 0: plain, any number of voices
        {true, false, 2}, // 1: at most two voices
        {true, true, 0},  // 2: looped
        {false, false, 0} // 3: no recording
    };
}

TEST(Voices, ASoundStillPlayingGetsAFurtherVoice) {
    RecordedMixer mixer({{0, 500}, {1, 500}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(voices.Play(0, false));
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"start 0 ch0", "start 0 ch1", "start 0 ch2"}));
    EXPECT_EQ(voices.Sounding(0), 3);
    mixer.now = 600;
    EXPECT_EQ(voices.Sounding(0), 0) << "voices that ended are forgotten";
}

TEST(Voices, ReachingTheLimitRestartsTheOldestVoice) {
    RecordedMixer mixer({{0, 500}, {1, 500}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(1, false); // ch0, oldest
    mixer.now = 10;
    voices.Play(1, false); // ch1
    mixer.now = 20;
    voices.Play(1, false); // limit 2 reached: ch0 restarts and becomes the newest
    mixer.now = 30;
    voices.Play(1, false); // now ch1 is the oldest
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"start 1 ch0", "start 1 ch1", "restart 1 ch0",
                                                     "restart 1 ch1"}))
        << "the oldest voice restarts once the entry's two voices sound";
    EXPECT_EQ(voices.Sounding(1), 2);
}

TEST(Voices, TheLimitCountsOnlyVoicesStillSounding) {
    RecordedMixer mixer({{0, 500}, {1, 100}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(1, false);
    voices.Play(1, false);
    mixer.now = 150; // both ended
    voices.Play(1, false);
    EXPECT_EQ(mixer.calls.back(), "start 1 ch0") << "a fresh voice, not a restart";
}

TEST(Voices, ALoopedEntryRestartsItsSingleVoice) {
    RecordedMixer mixer({{0, 500}, {1, 500}, {2, 50}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(2, false);
    mixer.now = 10000; // long past its length, it still loops
    EXPECT_EQ(voices.Sounding(2), 1);
    voices.Play(2, false);
    voices.Play(2, false);
    EXPECT_EQ(mixer.calls, (std::vector<std::string>{"start 2 looped ch0", "restart 2 looped ch0",
                                                     "restart 2 looped ch0"}));
    EXPECT_EQ(voices.Sounding(2), 1);
}

TEST(Voices, WaitingOnALoopedEntryReturnsAtOnce) {
    RecordedMixer mixer({{0, 500}, {1, 500}, {2, 50}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(2, true);
    EXPECT_EQ(mixer.delays, 0) << "a looped voice never stops, so the wait must not block";
}

TEST(Voices, WaitPollsEveryTenMillisecondsUntilTheVoiceStops) {
    RecordedMixer mixer({{0, 95}, {1, 500}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    EXPECT_FALSE(voices.Play(0, true));
    EXPECT_EQ(mixer.lastDelay, Voices::kWaitPollMs);
    EXPECT_EQ(mixer.delays, 10) << "95 ms of sound, tested every 10 ms";
    EXPECT_GE(mixer.now, 95);
    EXPECT_EQ(voices.Sounding(0), 0);
}

TEST(Voices, AWaitEndsSoonAfterTheRecordingsLengthWhenTheOutputStalls) {
    // The mixer says the voice sounds for ever, as a held audio output would.
    RecordedMixer mixer(std::map<int, int>{{0, 1'000'000}});
    Voices voices(mixer);
    voices.SetRules({{true, false, 0, 120}});
    EXPECT_FALSE(voices.Play(0, true));
    EXPECT_EQ(mixer.now, 120 + Voices::kWaitSlackMs);

    // Unknown length: the wait follows the voice alone.
    RecordedMixer plain(std::map<int, int>{{0, 700}});
    Voices unknown(plain);
    unknown.SetRules({{true, false, 0, 0}});
    EXPECT_FALSE(unknown.Play(0, true));
    EXPECT_EQ(plain.now, 700);
}

TEST(Voices, ARequestToEndTheProgramCutsABlockingWaitShort) {
    RecordedMixer mixer(std::map<int, int>{{0, 1800}});
    mixer.cancelAt = 300;
    Voices voices(mixer);
    voices.SetRules({{true, false, 0, 1800}});
    EXPECT_FALSE(voices.Play(0, true));
    EXPECT_EQ(mixer.now, 300) << "the wait must end at the first poll after the request";
    EXPECT_EQ(voices.Sounding(0), 1) << "the sound itself is not stopped by the wait";

    // A request made before the wait starts: no wait at all.
    RecordedMixer early(std::map<int, int>{{0, 1800}});
    early.cancelAt = 0;
    Voices again(early);
    again.SetRules({{true, false, 0, 1800}});
    EXPECT_FALSE(again.Play(0, true));
    EXPECT_EQ(early.delays, 0);
}

TEST(Voices, WaitFollowsTheRestartedVoice) {
    RecordedMixer mixer({{0, 500}, {1, 200}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(1, false); // ch0 ends at 200
    mixer.now = 100;
    voices.Play(1, false); // ch1 ends at 300
    mixer.now = 150;
    voices.Play(1, true); // restarts ch0, now ending at 350
    EXPECT_GE(mixer.now, 350) << "the wait lasts until the restarted voice ends";
    EXPECT_LT(mixer.now, 360);
}

TEST(Voices, EntryWithoutRecordingIsSilent) {
    RecordedMixer mixer({{0, 500}, {1, 500}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    EXPECT_FALSE(voices.Play(3, true));
    EXPECT_TRUE(mixer.calls.empty());
    EXPECT_EQ(mixer.delays, 0);
}

TEST(Voices, IndexOutsideTheListIsAnError) {
    RecordedMixer mixer({});
    Voices voices(mixer);
    voices.SetRules(Rules());
    for (int index : {-1, 4, 100}) {
        const MediaError e = voices.Play(index, false);
        ASSERT_TRUE(e) << "index " << index;
        EXPECT_NE(e->find(std::to_string(index)), std::string::npos) << *e;
    }
    EXPECT_TRUE(mixer.calls.empty());
}

TEST(Voices, AChannelTakenAgainBelongsToItsNewSoundOnly) {
    RecordedMixer mixer({{0, 100}, {1, 500}, {2, 500}});
    Voices voices(mixer);
    voices.SetRules(Rules());
    voices.Play(0, false); // ch0
    mixer.now = 200;       // sound 0 ended; its channel is free again
    voices.Play(1, false); // takes ch0
    EXPECT_EQ(voices.Sounding(0), 0);
    EXPECT_EQ(voices.Sounding(1), 1);
}

} // namespace
} // namespace sixdice::media
