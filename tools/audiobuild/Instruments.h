// The timbres the music's notes are played with, and a plate of echoes that gives them a room.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Signal.h"

#include <optional>
#include <string>

namespace sixdice::audio {

// The timbres a part may name.
bool IsTimbre(const std::string& timbre);

// One note, `seconds` long before its release, at velocity 0..1, as mono samples starting at the
// note's start. The result includes the note's release and ends in silence. Drum notes use the
// MIDI numbers kKick, kSnare and kHat of Composer.h.
Samples RenderNote(const std::string& timbre, int midi, double velocity, double seconds, int rate,
                   std::uint64_t seed);

// A small stereo room (parallel damped combs into all-passes, different lengths per side).
// `room` sets how long it rings (0..0.95).
Stereo Reverberate(const Samples& send, int rate, double room);

} // namespace sixdice::audio
