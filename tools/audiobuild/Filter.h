// Second-order filters (the usual audio "biquad" forms) used to shape noise and drums.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::audio {

class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };

    // A pass-through filter until configured.
    Biquad() = default;
    Biquad(Kind kind, double frequency, double q, double sampleRate);

    float Process(float x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return static_cast<float>(y);
    }

private:
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

} // namespace sixdice::audio
