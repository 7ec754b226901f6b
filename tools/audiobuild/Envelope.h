// Amplitude envelope of one note or noise burst: attack, decay towards a sustain level, release.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::audio {

struct Envelope {
    double attack = 0.005; // seconds from silence to full level
    double decay = 0.0;    // time constant (s) of the fall towards `sustain`; 0 = no fall
    double sustain = 1.0;  // level the decay falls towards
    double release = 0.01; // seconds of fade to silence at the end of the note

    // Level at time t of a note lasting `duration` seconds: 0 at t <= 0 and at t >= duration, so
    // every note starts and ends in silence.
    double At(double t, double duration) const;
};

} // namespace sixdice::audio
