// Envelope levels over a note's life.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sixdice::audio {

double Envelope::At(double t, double duration) const {
    if (t <= 0.0 || t >= duration) {
        return 0.0;
    }
    // The shortest rise still spans a few samples, so no note starts with a step.
    const double rise = std::max(attack, 0.0005);
    double level = 1.0;
    if (t < rise) {
        // A sine-shaped rise avoids the corner a linear ramp leaves at its top.
        level = std::sin(0.5 * std::numbers::pi * t / rise);
    } else if (decay > 0.0) {
        level = sustain + (1.0 - sustain) * std::exp(-(t - rise) / decay);
    }
    // Even a note asked to stop dead fades over 2 ms, or it would end with a click.
    const double rel = std::min(std::max(release, 0.002), duration);
    const double left = duration - t;
    if (rel > 0.0 && left < rel) {
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / rel);
    }
    return level;
}

} // namespace sixdice::audio
