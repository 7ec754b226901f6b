// Biquad coefficients (bilinear transform of the analogue prototypes, band-pass at 0 dB peak).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sixdice::audio {

Biquad::Biquad(Kind kind, double frequency, double q, double sampleRate) {
    frequency = std::clamp(frequency, 10.0, sampleRate * 0.49);
    q = std::max(q, 0.05);
    const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
    const double cw = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    double b0 = 0.0, b1 = 0.0, b2 = 0.0;
    switch (kind) {
    case Kind::LowPass:
        b0 = (1.0 - cw) / 2.0;
        b1 = 1.0 - cw;
        b2 = b0;
        break;
    case Kind::HighPass:
        b0 = (1.0 + cw) / 2.0;
        b1 = -(1.0 + cw);
        b2 = b0;
        break;
    case Kind::BandPass:
        b0 = alpha;
        b1 = 0.0;
        b2 = -alpha;
        break;
    }
    const double a0 = 1.0 + alpha;
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = -2.0 * cw / a0;
    a2_ = (1.0 - alpha) / a0;
}

} // namespace sixdice::audio
