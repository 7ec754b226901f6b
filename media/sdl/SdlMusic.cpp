// Stop pauses (the position stays), play resumes or starts again from the beginning after the end.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlMusic.h"

#include "media/listfile/RegularFile.h"
#include "media/sdl/AudioOutput.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <limits>

namespace sixdice::media::sdl {
namespace {

std::atomic<bool> musicFinished{false};

void OnMusicFinished() {
    musicFinished = true;
}

} // namespace

SdlMusic::SdlMusic(bool audioOpen) : audioOpen_(audioOpen) {
    if (audioOpen_)
        Mix_HookMusicFinished(OnMusicFinished);
}

SdlMusic::~SdlMusic() {
    Close();
    if (audioOpen_)
        Mix_HookMusicFinished(nullptr);
}

void SdlMusic::Halt() {
    if (!audioOpen_)
        return;
    Mix_HaltMusic(); // calls the finished hook at once, which is not an end of the piece
    musicFinished = false;
}

MediaError SdlMusic::Open() {
    Close();
    if (!audioOpen_)
        return "Cannot open " + fileName_ + ": there is no audio output";
    // The decoder gets a file we opened and checked ourselves: a regular file within the music
    // limit, so a named pipe or a device never blocks it and nothing is swapped in meanwhile.
    ReadHandle handle;
    if (auto refusal = OpenRegularFile(fileName_, file_limits::kMusicFile, handle))
        return "Cannot open file " + fileName_ + ": " + refusal->Reason();
    int error = 0;
    std::FILE* file = handle.ReleaseToStream(error);
    if (file == nullptr)
        return "Cannot open file " + fileName_ + ": " + platform::SystemErrorText(error);
    SDL_RWops* stream = SDL_RWFromFP(file, SDL_TRUE);
    if (stream == nullptr) {
        std::fclose(file);
        return SdlErrorText();
    }
    music_.reset(Mix_LoadMUS_RW(stream, 1)); // closes the stream, also when it fails
    if (!music_)
        return SdlErrorText();
    const double seconds = Mix_MusicDuration(music_.get());
    // A stream that does not tell its length counts as endless until it ends, so that a restart
    // loop comparing position and length never fires early.
    length_ = seconds > 0 ? static_cast<std::int64_t>(std::llround(seconds * 1000.0))
                          : std::numeric_limits<std::int64_t>::max();
    state_ = State::Stopped;
    return std::nullopt;
}

void SdlMusic::Update() const {
    if (state_ == State::Playing && (musicFinished || !Mix_PlayingMusic()))
        state_ = State::Ended;
}

MediaError SdlMusic::Play() {
    if (!music_)
        return std::nullopt;
    Update();
    if (state_ == State::Playing)
        return std::nullopt;
    WakeAudioOutput();
    if (state_ == State::Paused) {
        Mix_ResumeMusic();
        state_ = State::Playing;
        return std::nullopt;
    }
    Halt();
    if (Mix_PlayMusic(music_.get(), 0) != 0)
        return "Mix_PlayMusic: " + SdlErrorText();
    state_ = State::Playing;
    return std::nullopt;
}

void SdlMusic::Stop() {
    Update();
    if (state_ == State::Playing) {
        Mix_PauseMusic();
        state_ = State::Paused;
    }
}

void SdlMusic::Close() {
    if (!music_)
        return;
    Halt();
    music_.reset();
    length_ = 0;
    state_ = State::Closed;
}

void SdlMusic::Rewind() {
    if (!music_)
        return;
    Halt();
    state_ = State::Stopped;
}

bool SdlMusic::IsPlaying() const {
    Update();
    return state_ == State::Playing;
}

std::int64_t SdlMusic::Position() const {
    Update();
    switch (state_) {
    case State::Closed:
    case State::Stopped:
        return 0;
    case State::Ended:
        return length_;
    case State::Playing:
    case State::Paused:
        break;
    }
    const double seconds = Mix_GetMusicPosition(music_.get());
    if (seconds < 0)
        return 0;
    const auto ms = static_cast<std::int64_t>(std::llround(seconds * 1000.0));
    // While it still sounds, the piece has not ended, whatever the decoder's rounding says.
    return length_ > 0 && ms >= length_ ? length_ - 1 : ms;
}

} // namespace sixdice::media::sdl
