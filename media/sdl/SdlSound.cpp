// Recordings become mixer chunks once, at load: their own format block and samples are wrapped
// in a RIFF WAVE image that SDL decodes (PCM of any width and rate, MS and IMA ADPCM, ...) and
// converts to the output's format.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlSound.h"

#include "media/WaveImage.h"
#include "media/sdl/AudioOutput.h"
#include "platform/Termination.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace sixdice::media::sdl {
namespace {

// How long a prepared chunk plays in the mixer's output format (0 when the output is closed).
int ChunkLengthMs(const Mix_Chunk& chunk) {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate <= 0 || channels <= 0)
        return 0;
    const std::uint64_t frameBytes = std::uint64_t(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    if (frameBytes == 0)
        return 0;
    const std::uint64_t ms = std::uint64_t(chunk.alen) / frameBytes * 1000 / std::uint64_t(rate);
    return static_cast<int>(std::min<std::uint64_t>(ms, std::numeric_limits<int>::max()));
}

} // namespace

int SdlMixerBackend::Start(int sound, bool looped) {
    Mix_Chunk* chunk = chunks_.at(std::size_t(sound));
    int channels = Mix_AllocateChannels(-1);
    int free = -1;
    for (int c = 0; c < channels && free < 0; ++c) {
        if (!Mix_Playing(c))
            free = c;
    }
    if (free < 0) {
        // Every channel sounds: double them, so that a further voice always has one.
        channels = Mix_AllocateChannels(channels > 0 ? channels * 2 : 16);
        for (int c = 0; c < channels && free < 0; ++c) {
            if (!Mix_Playing(c))
                free = c;
        }
    }
    if (free < 0)
        return -1;
    WakeAudioOutput();
    const int channel = Mix_PlayChannel(free, chunk, looped ? -1 : 0);
    if (channel < 0)
        ReportSdlError("Mix_PlayChannel");
    return channel;
}

void SdlMixerBackend::Restart(int channel, int sound, bool looped) {
    WakeAudioOutput();
    if (Mix_PlayChannel(channel, chunks_.at(std::size_t(sound)), looped ? -1 : 0) < 0)
        ReportSdlError("Mix_PlayChannel");
}

bool SdlMixerBackend::IsPlaying(int channel) const {
    return Mix_Playing(channel) != 0;
}

void SdlMixerBackend::Delay(int milliseconds) {
    SDL_Delay(Uint32(milliseconds));
}

bool SdlMixerBackend::WaitCancelled() const {
    return platform::TerminationRequested();
}

SdlSound::~SdlSound() {
    if (audioOpen_)
        Mix_HaltChannel(-1);
}

MediaError SdlSound::SetSoundList(const SoundList& list) {
    if (audioOpen_)
        Mix_HaltChannel(-1);
    chunks_.clear();
    std::vector<VoiceRule> rules;
    std::vector<Mix_Chunk*> raw;
    MediaError failure;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const SoundEntry& entry = list.entries[i];
        SdlPtr<Mix_Chunk> chunk;
        if (audioOpen_ && entry.hasRecording()) {
            const std::vector<std::uint8_t> wave = BuildWaveImage(entry.format, entry.samples);
            SDL_RWops* rw = wave.size() <= std::size_t(std::numeric_limits<int>::max())
                                ? SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()))
                                : nullptr;
            chunk.reset(rw ? Mix_LoadWAV_RW(rw, 1) : nullptr);
            if (!chunk && !failure) {
                failure = "Sound " + std::to_string(i) + " cannot be played: " +
                          (rw ? SdlErrorText() : std::string("the recording is too large"));
            }
        }
        rules.push_back({chunk != nullptr, entry.looped, std::max(0, entry.maxPlayingCount),
                         chunk ? ChunkLengthMs(*chunk) : 0});
        raw.push_back(chunk.get());
        chunks_.push_back(std::move(chunk));
    }
    mixer_.SetChunks(std::move(raw));
    voices_.SetRules(std::move(rules));
    return failure;
}

MediaError SdlSound::PlaySound(int index, bool wait) {
    return voices_.Play(index, wait);
}

} // namespace sixdice::media::sdl
