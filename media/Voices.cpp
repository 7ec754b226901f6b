// Voices: overlapping starts, the per-entry voice limit, looped entries and the blocking wait.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Voices.h"

#include <algorithm>
#include <string>

namespace sixdice::media {

void Voices::SetRules(std::vector<VoiceRule> rules) {
    rules_ = std::move(rules);
    channels_.assign(rules_.size(), {});
}

void Voices::ForgetStopped() {
    for (auto& list : channels_)
        std::erase_if(list, [this](int channel) { return !mixer_.IsPlaying(channel); });
}

// A channel belongs to one voice; a channel that stopped and was taken again is removed from the
// entry that had it before.
void Voices::Claim(int channel, int owner) {
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (static_cast<int>(i) != owner)
            std::erase(channels_[i], channel);
    }
}

int Voices::Sounding(int index) {
    if (index < 0 || index >= Count())
        return 0;
    ForgetStopped();
    return static_cast<int>(channels_[index].size());
}

MediaError Voices::Play(int index, bool wait) {
    if (index < 0 || index >= Count()) {
        return "Sound " + std::to_string(index) + " does not exist: the sound list holds " +
               std::to_string(Count()) + " sounds";
    }
    const VoiceRule& rule = rules_[index];
    if (!rule.playable)
        return std::nullopt;
    ForgetStopped();
    auto& voices = channels_[index];

    int channel = -1;
    const bool reuse = rule.looped ? !voices.empty()
                                   : rule.maxPlayingCount > 0 &&
                                         static_cast<int>(voices.size()) >= rule.maxPlayingCount;
    if (reuse) {
        channel = voices.front();
        voices.pop_front();
        mixer_.Restart(channel, index, rule.looped);
    } else {
        channel = mixer_.Start(index, rule.looped);
        if (channel < 0)
            return std::nullopt;
        Claim(channel, index);
    }
    voices.push_back(channel);

    if (wait && !rule.looped) {
        const int bound = rule.lengthMs > 0 ? rule.lengthMs + kWaitSlackMs : -1;
        for (int waited = 0;
             mixer_.IsPlaying(channel) && !mixer_.WaitCancelled() && (bound < 0 || waited < bound);
             waited += kWaitPollMs)
            mixer_.Delay(kWaitPollMs);
    }
    return std::nullopt;
}

} // namespace sixdice::media
