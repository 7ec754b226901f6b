// Rendering of tones, noise bursts and click trains.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/SoundEvents.h"

#include "tools/audiobuild/Filter.h"
#include "tools/audiobuild/Random.h"

#include <algorithm>
#include <cmath>

namespace sixdice::audio {

namespace {

// Start times of the clicks of a train, drawn the same way each time for the same seed.
struct ClickPlan {
    double time;
    double level;
    double band;
};

std::vector<ClickPlan> PlanClicks(const ClickTrainEvent& e) {
    Random rng(e.seed);
    std::vector<ClickPlan> plan;
    double t = e.at;
    double gap = e.gap;
    double level = 1.0;
    for (int k = 0; k < e.count; ++k) {
        plan.push_back({t, level * (0.75 + 0.25 * rng.Uniform()),
                        e.band * (1.0 + e.spread * rng.Bipolar() * 0.5)});
        t += gap * (1.0 + e.jitter * rng.Bipolar() * 0.5);
        gap *= e.ratio;
        level *= e.fall;
    }
    return plan;
}

std::vector<Partial> PartialsOf(const ToneEvent& e, double maxRatio) {
    switch (e.wave) {
    case Wave::Saw:
        return SawPartials(maxRatio);
    case Wave::Square:
        return SquarePartials(maxRatio);
    case Wave::Triangle:
        return TrianglePartials(maxRatio);
    case Wave::Brass:
        return SawPartials(std::min(maxRatio, 14.0));
    case Wave::Sine:
        break;
    }
    std::vector<Partial> p = e.partials.empty() ? std::vector<Partial>{{1.0, 1.0}} : e.partials;
    std::erase_if(p, [&](const Partial& q) { return q.ratio > maxRatio; });
    return p;
}

void RenderTone(const ToneEvent& e, int rate, Samples& out) {
    const double topHz = std::max(e.frequency, e.glideTo) * (1.0 + e.vibratoDepth);
    const std::vector<Partial> partials = PartialsOf(e, 0.45 * rate / topHz);
    const auto first = static_cast<long>(std::floor(e.at * rate));
    const auto count = static_cast<long>(std::ceil(e.duration * rate));
    const int voices = e.detuneCents != 0.0 ? 2 : 1;
    for (int v = 0; v < voices; ++v) {
        const double voiceFactor = v == 0 ? 1.0 : std::pow(2.0, e.detuneCents / 1200.0);
        double phase = 0.0;
        for (long i = 0; i < count; ++i) {
            const long index = first + i;
            if (index < 0) {
                continue;
            }
            if (index >= static_cast<long>(out.size())) {
                break;
            }
            const double t = static_cast<double>(i) / rate;
            double hz = e.frequency;
            if (e.glideTo > 0.0) {
                hz *= std::pow(e.glideTo / e.frequency, t / e.duration);
            }
            if (e.vibratoRate > 0.0) {
                hz *= 1.0 + e.vibratoDepth * FastSine(e.vibratoRate * t);
            }
            hz *= voiceFactor;
            const double env = e.envelope.At(t, e.duration);
            double sum = 0.0;
            for (std::size_t k = 0; k < partials.size(); ++k) {
                double amp = partials[k].amplitude;
                if (e.wave == Wave::Brass) {
                    // Upper harmonics open up after the fundamental and close first: the brass
                    // "blare".
                    amp *= std::pow(env, 0.4 * static_cast<double>(k));
                }
                sum += amp * FastSine(phase * partials[k].ratio);
            }
            out[index] += static_cast<float>(sum * env * e.gain / voices);
            phase += hz / rate;
        }
    }
}

void RenderNoise(const NoiseEvent& e, int rate, Samples& out) {
    Random rng(e.seed);
    Biquad low, high, band;
    if (e.lowPass > 0.0) {
        low = Biquad(Biquad::Kind::LowPass, e.lowPass, 0.707, rate);
    }
    if (e.highPass > 0.0) {
        high = Biquad(Biquad::Kind::HighPass, e.highPass, 0.707, rate);
    }
    if (e.band > 0.0) {
        band = Biquad(Biquad::Kind::BandPass, e.band, e.q, rate);
    }
    const auto first = static_cast<long>(std::floor(e.at * rate));
    const auto count = static_cast<long>(std::ceil(e.duration * rate));
    for (long i = 0; i < count; ++i) {
        const long index = first + i;
        float x = static_cast<float>(rng.Bipolar());
        x = band.Process(high.Process(low.Process(x)));
        if (index < 0) {
            continue;
        }
        if (index >= static_cast<long>(out.size())) {
            break;
        }
        out[index] += static_cast<float>(
            x * e.envelope.At(static_cast<double>(i) / rate, e.duration) * e.gain);
    }
}

void RenderClicks(const ClickTrainEvent& e, int rate, Samples& out) {
    std::uint64_t seed = e.seed * 7919;
    for (const ClickPlan& c : PlanClicks(e)) {
        NoiseEvent burst;
        burst.at = c.time;
        burst.duration = e.click * 6.0;
        burst.band = c.band;
        burst.q = e.q;
        burst.envelope = {0.0005, e.click, 0.0, e.click};
        // A resonant band-pass passes little energy; the factor brings a click near full level.
        burst.gain = e.gain * c.level * (1.5 + e.q);
        burst.seed = ++seed;
        RenderNoise(burst, rate, out);
    }
}

} // namespace

double EndOf(const SoundEvent& event) {
    if (const auto* t = std::get_if<ToneEvent>(&event)) {
        return t->at + t->duration;
    }
    if (const auto* n = std::get_if<NoiseEvent>(&event)) {
        return n->at + n->duration;
    }
    const auto& c = std::get<ClickTrainEvent>(event);
    const auto plan = PlanClicks(c);
    return plan.empty() ? c.at : plan.back().time + c.click * 6.0;
}

void Render(const SoundEvent& event, int rate, Samples& out) {
    if (const auto* t = std::get_if<ToneEvent>(&event)) {
        RenderTone(*t, rate, out);
    } else if (const auto* n = std::get_if<NoiseEvent>(&event)) {
        RenderNoise(*n, rate, out);
    } else {
        RenderClicks(std::get<ClickTrainEvent>(event), rate, out);
    }
}

} // namespace sixdice::audio
