// The browser's audio output is SDL's audio context, whose script node the page calls for every
// buffer even when the mixer has nothing to play. The context is suspended after a quiet moment
// (the tail of the last sound still in the node's buffers is let out first) and resumed before the
// next sound. Browsers resume a context only after the player's first gesture; until then the
// page's own gesture handler resumes it, if the game wants sound by then.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/AudioOutput.h"

#include "media/sdl/SdlHandles.h"

#include <emscripten.h>

// The blocks are JavaScript, left as written.
// clang-format off
EM_JS(void, sixdice_audio_wake, (), {
    Module.sixdiceAudioWanted = true;
    const sdl = Module.SDL2;
    const activated = !navigator.userActivation || navigator.userActivation.hasBeenActive;
    if (sdl && sdl.audioContext && sdl.audioContext.state === "suspended" && activated) {
        sdl.audioContext.resume();
    }
});

EM_JS(int, sixdice_audio_running, (), {
    const sdl = Module.SDL2;
    return sdl && sdl.audioContext && sdl.audioContext.state === "running" ? 1 : 0;
});

EM_JS(void, sixdice_audio_rest, (), {
    Module.sixdiceAudioWanted = false;
    const sdl = Module.SDL2;
    if (sdl && sdl.audioContext && sdl.audioContext.state === "running") {
        sdl.audioContext.suspend();
    }
});

// clang-format on

namespace sixdice::media::sdl {
namespace {

// Longer than the node's buffers (1,024 frames at 44.1 kHz, a few of them queued), so the end of
// the last sound is heard whole.
constexpr std::uint64_t kQuietBeforeRestMs = 300;

std::uint64_t lastHeardMs = 0;

bool AnythingSounds() {
    return Mix_Playing(-1) > 0 || (Mix_PlayingMusic() && !Mix_PausedMusic());
}

} // namespace

void WakeAudioOutput() {
    lastHeardMs = SDL_GetTicks64();
    sixdice_audio_wake();
}

std::optional<std::uint64_t> RestAudioOutputIfSilent(std::uint64_t nowMs) {
    // A context that is not running has nothing to rest; one the browser has not let start yet
    // keeps the mixer's sounds where they are, so they are not taken for sounding.
    if (!sixdice_audio_running())
        return std::nullopt;
    if (AnythingSounds()) {
        lastHeardMs = nowMs;
        return kQuietBeforeRestMs;
    }
    if (nowMs - lastHeardMs < kQuietBeforeRestMs)
        return kQuietBeforeRestMs - (nowMs - lastHeardMs);
    sixdice_audio_rest();
    return std::nullopt;
}

} // namespace sixdice::media::sdl
