// Envelope levels over a note's life.
#include "tools/audiobuild/Envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sixdice::audio {

double Envelope::At(double t, double duration) const {
    if (t <= 0.0 || t >= duration) {
        return 0.0;
    }
    double level = 1.0;
    if (t < attack) {
        // A sine-shaped rise avoids the corner a linear ramp leaves at its top.
        level = std::sin(0.5 * std::numbers::pi * t / attack);
    } else if (decay > 0.0) {
        level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    }
    const double rel = std::min(release, duration);
    const double left = duration - t;
    if (rel > 0.0 && left < rel) {
        level *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / rel);
    }
    return level;
}

} // namespace sixdice::audio
