// The three kinds of event a sound is built from (tone, noise burst, train of clicks) and their
// rendering.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Envelope.h"
#include "tools/audiobuild/Oscillator.h"
#include "tools/audiobuild/Signal.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace sixdice::audio {

enum class Wave { Sine, Triangle, Square, Saw, Brass };

// A pitched note, optionally gliding, with vibrato and a second slightly detuned voice.
struct ToneEvent {
    double at = 0.0;
    double duration = 0.1;
    double frequency = 440.0;
    double glideTo = 0.0; // end frequency of an exponential glide; 0 = steady pitch
    Wave wave = Wave::Sine;
    std::vector<Partial> partials; // for Wave::Sine: extra partials (empty = a pure sine)
    Envelope envelope;
    double gain = 1.0;
    double vibratoRate = 0.0;  // Hz
    double vibratoDepth = 0.0; // fraction of the frequency
    double detuneCents = 0.0;  // a second voice this far above, for a fuller sound
};

// Filtered white noise.
struct NoiseEvent {
    double at = 0.0;
    double duration = 0.05;
    double lowPass = 0.0;  // Hz, 0 = none
    double highPass = 0.0; // Hz, 0 = none
    double band = 0.0;     // centre of a band-pass, 0 = none
    double q = 1.0;
    Envelope envelope;
    double gain = 1.0;
    std::uint64_t seed = 1;
};

// Short resonant noise clicks whose spacing shrinks (or grows) by `ratio` from one to the next,
// as a die bouncing to rest; each click varies a little in pitch, loudness and timing.
struct ClickTrainEvent {
    double at = 0.0;
    int count = 8;
    double gap = 0.08;    // seconds between the first two clicks
    double ratio = 0.8;   // factor from one gap to the next
    double jitter = 0.2;  // random share of each gap
    double click = 0.012; // decay time of one click
    double band = 2500.0; // resonance of the click
    double q = 3.0;
    double spread = 0.3; // random share of the resonance per click
    double fall = 0.85;  // loudness factor from one click to the next
    double gain = 1.0;
    std::uint64_t seed = 1;
};

using SoundEvent = std::variant<ToneEvent, NoiseEvent, ClickTrainEvent>;

// Time (s) at which the event has fallen silent.
double EndOf(const SoundEvent& event);

// Adds the event into `out` (mono, `rate` samples per second); anything past the end is cut.
void Render(const SoundEvent& event, int rate, Samples& out);

} // namespace sixdice::audio
