// Sound output over SDL2_mixer: one chunk per entry, voices on mixer channels.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Sound.h"
#include "media/Voices.h"
#include "media/sdl/SdlHandles.h"

#include <vector>

namespace sixdice::media::sdl {

// The mixer operations the voice bookkeeping needs, on SDL2_mixer's channels.
class SdlMixerBackend final : public MixerBackend {
public:
    void SetChunks(std::vector<Mix_Chunk*> chunks) { chunks_ = std::move(chunks); }
    int Start(int sound, bool looped) override;
    void Restart(int channel, int sound, bool looped) override;
    bool IsPlaying(int channel) const override;
    void Delay(int milliseconds) override;
    bool WaitCancelled() const override;

private:
    std::vector<Mix_Chunk*> chunks_;
};

class SdlSound final : public Sound {
public:
    // `audioOpen`: whether Mix_OpenAudio succeeded; without an output every sound is silent.
    explicit SdlSound(bool audioOpen) : audioOpen_(audioOpen), voices_(mixer_) {}
    ~SdlSound() override;

    MediaError SetSoundList(const SoundList& list) override;
    int SoundCount() const override { return voices_.Count(); }
    MediaError PlaySound(int index, bool wait) override;

    // Voices of the entry still sounding (for tests and diagnostics).
    int Sounding(int index) { return voices_.Sounding(index); }

private:
    bool audioOpen_;
    SdlMixerBackend mixer_;
    Voices voices_;
    std::vector<SdlPtr<Mix_Chunk>> chunks_;
};

} // namespace sixdice::media::sdl
