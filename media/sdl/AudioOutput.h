// Keeping the audio output awake only while something sounds. In the browser the output is a
// script the page runs for every buffer, which costs a share of a core even in silence; there it
// is put to rest when the game has been silent for a moment and woken before the next sound.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace sixdice::media::sdl {

// Called just before a sound or the music starts or resumes.
void WakeAudioOutput();

// Called by the event wait before it sleeps: rests the output if nothing has sounded for a while.
// Returns how long until it would rest, when it is awake and that moment is still to come, so
// the wait can look again then instead of sleeping on with the output running.
std::optional<std::uint64_t> RestAudioOutputIfSilent(std::uint64_t nowMs);

} // namespace sixdice::media::sdl
