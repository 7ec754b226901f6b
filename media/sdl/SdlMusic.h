// The music player over SDL2_mixer's music stream (OGG Vorbis and what else the mixer decodes).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Music.h"
#include "media/sdl/SdlHandles.h"

namespace sixdice::media::sdl {

class SdlMusic final : public MediaPlayer {
public:
    explicit SdlMusic(bool audioOpen);
    ~SdlMusic() override;

    void SetFileName(const std::string& path) override { fileName_ = path; }
    std::string FileName() const override { return fileName_; }
    MediaError Open() override;
    bool IsOpen() const override { return music_ != nullptr; }
    MediaError Play() override;
    void Stop() override;
    void Close() override;
    void Rewind() override;
    bool IsPlaying() const override;
    std::int64_t Position() const override;
    std::int64_t Length() const override { return length_; }

private:
    enum class State { Closed, Stopped, Playing, Paused, Ended };
    // Notices the end of the piece, which the mixer reports from its own thread.
    void Update() const;
    void Halt();

    bool audioOpen_;
    std::string fileName_;
    SdlPtr<Mix_Music> music_;
    std::int64_t length_ = 0;
    mutable State state_ = State::Closed;
};

} // namespace sixdice::media::sdl
