// The desktop's audio device runs all the time: its mixing thread sleeps between buffers, so a
// silent game costs nothing there and the device is never put to rest.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/AudioOutput.h"

namespace sixdice::media::sdl {

void WakeAudioOutput() {}

std::optional<std::uint64_t> RestAudioOutputIfSilent(std::uint64_t) {
    return std::nullopt;
}

} // namespace sixdice::media::sdl
