// Level, fade, loop and conversion steps on sample buffers.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Signal.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace sixdice::audio {

float PeakOf(const Samples& s) {
    float peak = 0.0f;
    for (float v : s) {
        peak = std::max(peak, std::fabs(v));
    }
    return peak;
}

float PeakOf(const Stereo& s) {
    return std::max(PeakOf(s.left), PeakOf(s.right));
}

double ToDbfs(double peak) {
    if (peak <= 0.0) {
        return -std::numeric_limits<double>::infinity();
    }
    return 20.0 * std::log10(peak);
}

namespace {
void Scale(Samples& s, float factor) {
    for (float& v : s) {
        v *= factor;
    }
}
} // namespace

void ScaleToPeak(Samples& s, double dbfs) {
    const float peak = PeakOf(s);
    if (peak > 0.0f) {
        Scale(s, static_cast<float>(std::pow(10.0, dbfs / 20.0) / peak));
    }
}

void ScaleToPeak(Stereo& s, double dbfs) {
    const float peak = PeakOf(s);
    if (peak > 0.0f) {
        const auto factor = static_cast<float>(std::pow(10.0, dbfs / 20.0) / peak);
        Scale(s.left, factor);
        Scale(s.right, factor);
    }
}

void FadeEdges(Samples& s, std::size_t fadeIn, std::size_t fadeOut) {
    const std::size_t n = s.size();
    if (n == 0) {
        return;
    }
    fadeIn = std::clamp<std::size_t>(fadeIn, 1, n);
    fadeOut = std::clamp<std::size_t>(fadeOut, 1, n);
    // Gain rises from exactly 0 at sample 0 and falls to exactly 0 at sample n - 1.
    for (std::size_t i = 0; i < fadeIn; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(fadeIn);
        s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * x));
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(fadeOut);
        s[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * x));
    }
}

void WrapTail(Samples& s, std::size_t loopLength) {
    if (loopLength == 0 || s.size() <= loopLength) {
        s.resize(loopLength, 0.0f);
        return;
    }
    // A tail longer than the loop wraps round more than once.
    for (std::size_t i = loopLength; i < s.size(); ++i) {
        s[i % loopLength] += s[i];
    }
    s.resize(loopLength);
}

void WrapTail(Stereo& s, std::size_t loopLength) {
    WrapTail(s.left, loopLength);
    WrapTail(s.right, loopLength);
}

std::vector<std::int16_t> ToPcm16(const Samples& s) {
    std::vector<std::int16_t> out(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double v =
            std::clamp(std::round(static_cast<double>(s[i]) * 32767.0), -32768.0, 32767.0);
        out[i] = static_cast<std::int16_t>(v);
    }
    return out;
}

void MixInto(Samples& dst, const Samples& src, std::size_t offset, float gain) {
    for (std::size_t i = 0; i < src.size() && offset + i < dst.size(); ++i) {
        dst[offset + i] += src[i] * gain;
    }
}

} // namespace sixdice::audio
