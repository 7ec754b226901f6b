// Voice bookkeeping of the sound output, over a minimal mixer so it can be tested without audio.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <deque>
#include <vector>

namespace sixdice::media {

// The few mixer operations the voices need. Sounds are numbered like the sound list.
class MixerBackend {
public:
    virtual ~MixerBackend() = default;
    // Starts the sound on a channel that is not playing (adding channels when all are busy) and
    // returns that channel, or -1 when it could not start. A looped sound repeats without end.
    virtual int Start(int sound, bool looped) = 0;
    // Starts the sound again from its beginning on a channel that holds one of its voices.
    virtual void Restart(int channel, int sound, bool looped) = 0;
    virtual bool IsPlaying(int channel) const = 0;
    virtual void Delay(int milliseconds) = 0;
    // True when a blocking wait should end before its sound does: the system has asked the program
    // to end, and nothing may hold that up.
    virtual bool WaitCancelled() const { return false; }
};

// How an entry of the sound list plays.
struct VoiceRule {
    bool playable = false; // false: the entry has no recording that could be prepared
    bool looped = false;
    int maxPlayingCount = 0; // 0 = any number of voices
    // How long the recording plays; 0 when unknown. A blocking wait never lasts much longer, even
    // where the output stalls (a browser that holds its audio until the player's first gesture).
    int lengthMs = 0;
};

class Voices {
public:
    // The blocking wait tests the voice this often.
    static constexpr int kWaitPollMs = 10;
    // How much longer than its recording a blocking wait may last at most.
    static constexpr int kWaitSlackMs = 500;

    explicit Voices(MixerBackend& mixer) : mixer_(mixer) {}

    // Replaces the entries; voices still sounding are forgotten (the caller halts them).
    void SetRules(std::vector<VoiceRule> rules);
    int Count() const { return static_cast<int>(rules_.size()); }

    // PlaySound: see Sound::PlaySound.
    MediaError Play(int index, bool wait);

    // Voices of the entry that are still sounding.
    int Sounding(int index);

private:
    void ForgetStopped();
    void Claim(int channel, int owner);

    MixerBackend& mixer_;
    std::vector<VoiceRule> rules_;
    std::vector<std::deque<int>> channels_; // per entry, oldest voice first
};

} // namespace sixdice::media
