// Note timbres (additive, FM and plucked) and the reverberation.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Instruments.h"

#include "tools/audiobuild/Composer.h"
#include "tools/audiobuild/Filter.h"
#include "tools/audiobuild/Oscillator.h"
#include "tools/audiobuild/Pitch.h"
#include "tools/audiobuild/SoundEvents.h"

#include <array>
#include <cmath>
#include <numbers>

namespace sixdice::audio {

namespace {

Samples Sized(double seconds, int rate) {
    return Samples(static_cast<std::size_t>(std::ceil(seconds * rate)) + 1, 0.0f);
}

// Frequency-modulated tone: `ratio` sets the overtones, `index` their brightness, both decaying.
Samples FmNote(double hz, double velocity, double seconds, int rate, double ratio, double index,
               double indexDecay, double ampDecay, double release) {
    const double total = seconds + release;
    Samples out = Sized(total, rate);
    const Envelope env{0.003, ampDecay, 0.0, release};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        // Releasing from the note's end: the envelope's own release covers the last `release` s.
        const double level = env.At(t, total);
        if (level == 0.0) {
            continue;
        }
        const double mod =
            (index * velocity * std::exp(-t / indexDecay) + 0.1) * FastSine(hz * ratio * t);
        out[i] = static_cast<float>(velocity * level *
                                    FastSine(hz * t + mod / (2.0 * std::numbers::pi)));
    }
    return out;
}

// A plucked string: bright at first, upper partials dying faster than the fundamental.
Samples PluckNote(double hz, double velocity, double seconds, int rate) {
    const double release = 0.08;
    const double total = std::min(seconds, 2.5) + release;
    Samples out = Sized(total, rate);
    const int partials = std::max(1, std::min(10, static_cast<int>(0.45 * rate / hz)));
    const Envelope env{0.002, 0.0, 1.0, release};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double sum = 0.0;
        for (int n = 1; n <= partials; ++n) {
            sum += std::exp(-t * (2.0 + 1.2 * n)) / n * FastSine(hz * n * t);
        }
        out[i] = static_cast<float>(0.8 * velocity * sum * env.At(t, total));
    }
    return out;
}

Samples ToneNote(const ToneEvent& tone, int rate) {
    Samples out = Sized(tone.duration, rate);
    Render(tone, rate, out);
    return out;
}

Samples DrumNote(int drum, double velocity, int rate, std::uint64_t seed) {
    Samples out;
    if (drum == kKick) {
        out = Sized(0.4, rate);
        ToneEvent body;
        body.duration = 0.4;
        body.frequency = 120.0;
        body.glideTo = 42.0;
        body.envelope = {0.002, 0.12, 0.0, 0.05};
        body.gain = velocity;
        Render(body, rate, out);
        NoiseEvent click;
        click.duration = 0.01;
        click.lowPass = 2500.0;
        click.envelope = {0.0005, 0.003, 0.0, 0.003};
        click.gain = 0.3 * velocity;
        click.seed = seed;
        Render(click, rate, out);
    } else if (drum == kSnare) {
        // A soft brushed snare: band-limited noise with a little drum-head tone under it.
        out = Sized(0.3, rate);
        NoiseEvent brush;
        brush.duration = 0.3;
        brush.band = 2200.0;
        brush.q = 0.7;
        brush.envelope = {0.002, 0.07, 0.0, 0.05};
        brush.gain = 1.4 * velocity;
        brush.seed = seed;
        Render(brush, rate, out);
        ToneEvent head;
        head.duration = 0.15;
        head.frequency = 190.0;
        head.glideTo = 160.0;
        head.envelope = {0.001, 0.04, 0.0, 0.03};
        head.gain = 0.35 * velocity;
        Render(head, rate, out);
    } else {
        out = Sized(0.09, rate);
        NoiseEvent hat;
        hat.duration = 0.09;
        hat.highPass = 7000.0;
        hat.envelope = {0.0005, 0.02, 0.0, 0.02};
        hat.gain = 0.9 * velocity;
        hat.seed = seed;
        Render(hat, rate, out);
    }
    return out;
}

} // namespace

bool IsTimbre(const std::string& timbre) {
    return timbre == "pad" || timbre == "bass" || timbre == "pluck" || timbre == "epiano" ||
           timbre == "bell" || timbre == "flute" || timbre == "drums";
}

Samples RenderNote(const std::string& timbre, int midi, double velocity, double seconds, int rate,
                   std::uint64_t seed) {
    const double hz = MidiToHz(midi);
    if (timbre == "drums") {
        return DrumNote(midi, velocity, rate, seed);
    }
    if (timbre == "pluck") {
        return PluckNote(hz, velocity, seconds, rate);
    }
    if (timbre == "epiano") {
        return FmNote(hz, velocity, seconds, rate, 1.0, 1.6, 0.35, 1.1, 0.25);
    }
    if (timbre == "bell") {
        return FmNote(hz, velocity, seconds, rate, 3.5, 2.2, 0.5, 1.4, 0.6);
    }
    ToneEvent tone;
    tone.frequency = hz;
    tone.gain = velocity;
    if (timbre == "pad") {
        // Two slightly detuned voices with soft, falling overtones; slow swell and long release.
        tone.duration = seconds + 1.0;
        tone.partials = {{1, 1.0}, {2, 0.35}, {3, 0.18}, {4, 0.09}, {5, 0.05}, {6, 0.03}};
        tone.envelope = {0.45, 0.0, 1.0, 1.0};
        tone.detuneCents = 7.0;
        tone.vibratoRate = 0.3;
        tone.vibratoDepth = 0.0015;
    } else if (timbre == "bass") {
        tone.duration = seconds + 0.06;
        tone.partials = {{1, 1.0}, {2, 0.45}, {3, 0.18}, {4, 0.07}};
        tone.envelope = {0.006, 0.45, 0.45, 0.06};
    } else {
        // "flute": a breathy sine-like lead with a gentle vibrato.
        tone.duration = seconds + 0.12;
        tone.partials = {{1, 1.0}, {2, 0.28}, {3, 0.1}, {4, 0.04}};
        tone.envelope = {0.05, 0.5, 0.8, 0.12};
        tone.vibratoRate = 5.0;
        tone.vibratoDepth = 0.003;
    }
    return ToneNote(tone, rate);
}

namespace {

class Comb {
public:
    Comb(std::size_t length, double feedback, double damping)
        : buffer_(length, 0.0f), feedback_(feedback), damping_(damping) {}
    float Process(float x) {
        const float out = buffer_[pos_];
        store_ = static_cast<float>(out * (1.0 - damping_) + store_ * damping_);
        buffer_[pos_] = static_cast<float>(x + store_ * feedback_);
        pos_ = (pos_ + 1) % buffer_.size();
        return out;
    }

private:
    std::vector<float> buffer_;
    double feedback_;
    double damping_;
    float store_ = 0.0f;
    std::size_t pos_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t length) : buffer_(length, 0.0f) {}
    float Process(float x) {
        const float delayed = buffer_[pos_];
        buffer_[pos_] = x + delayed * 0.5f;
        pos_ = (pos_ + 1) % buffer_.size();
        return delayed - x;
    }

private:
    std::vector<float> buffer_;
    std::size_t pos_ = 0;
};

Samples ReverbChannel(const Samples& in, int rate, double room, int spread) {
    // Mutually prime comb lengths (in samples at 44.1 kHz) keep the echoes from lining up.
    constexpr std::array<int, 4> kCombs = {1557, 1617, 1491, 1422};
    constexpr std::array<int, 2> kAllPasses = {556, 441};
    const double scale = rate / 44100.0;
    std::vector<Comb> combs;
    for (int len : kCombs) {
        combs.emplace_back(static_cast<std::size_t>((len + spread) * scale), room, 0.3);
    }
    std::vector<AllPass> passes;
    for (int len : kAllPasses) {
        passes.emplace_back(static_cast<std::size_t>((len + spread) * scale));
    }
    Samples out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        float sum = 0.0f;
        for (Comb& c : combs) {
            sum += c.Process(in[i] * 0.25f);
        }
        for (AllPass& p : passes) {
            sum = p.Process(sum);
        }
        out[i] = sum;
    }
    return out;
}

} // namespace

Stereo Reverberate(const Samples& send, int rate, double room) {
    Stereo out;
    out.left = ReverbChannel(send, rate, room, 0);
    out.right = ReverbChannel(send, rate, room, 23);
    return out;
}

} // namespace sixdice::audio
