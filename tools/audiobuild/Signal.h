// Sample buffers and the level, fade, loop and conversion steps every rendered sound goes through.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sixdice::audio {

using Samples = std::vector<float>;

// Two channels of equal length.
struct Stereo {
    Samples left;
    Samples right;

    std::size_t size() const { return left.size(); }
    void resize(std::size_t n) {
        left.resize(n, 0.0f);
        right.resize(n, 0.0f);
    }
};

// Largest absolute sample value (0 for an empty buffer).
float PeakOf(const Samples& s);
float PeakOf(const Stereo& s);

// Level of a peak in dB relative to full scale; -inf for silence.
double ToDbfs(double peak);

// Scales the buffer so its peak sits at the given level; silence stays silence.
void ScaleToPeak(Samples& s, double dbfs);
void ScaleToPeak(Stereo& s, double dbfs);

// Raised-cosine fade over the first and the last samples; the first and the last sample become 0,
// so the sound starts and stops without a click.
void FadeEdges(Samples& s, std::size_t fadeIn, std::size_t fadeOut);

// Folds everything after loopLength back onto the start and cuts the buffer to loopLength, so that
// notes and echoes that ring past the loop's end sound at its start when the loop repeats.
void WrapTail(Samples& s, std::size_t loopLength);
void WrapTail(Stereo& s, std::size_t loopLength);

// Rounds to 16-bit integers, clamping anything beyond full scale.
std::vector<std::int16_t> ToPcm16(const Samples& s);

// Adds `src` into `dst` starting at `offset`, cut at the end of `dst`.
void MixInto(Samples& dst, const Samples& src, std::size_t offset, float gain = 1.0f);

} // namespace sixdice::audio
