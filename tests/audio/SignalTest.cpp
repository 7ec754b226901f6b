// Envelopes, fades, loop folding, level scaling, PCM conversion and filters.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Signal.h"

#include "tools/audiobuild/Envelope.h"
#include "tools/audiobuild/Filter.h"
#include "tools/audiobuild/Oscillator.h"
#include "tools/audiobuild/WaveData.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace sixdice::audio {
namespace {

TEST(Envelope, StartsAndEndsInSilenceForEveryShape) {
    const Envelope shapes[] = {
        {0.005, 0.0, 1.0, 0.01}, {0.2, 0.1, 0.3, 0.5}, {0.0, 0.05, 0.0, 0.0}, {1.0, 0.0, 1.0, 2.0}};
    for (const Envelope& e : shapes) {
        for (double duration : {0.001, 0.05, 0.3, 2.0}) {
            EXPECT_EQ(e.At(0.0, duration), 0.0)
                << "attack " << e.attack << " duration " << duration;
            EXPECT_EQ(e.At(duration, duration), 0.0)
                << "attack " << e.attack << " duration " << duration;
            EXPECT_LT(e.At(duration - std::min(0.0002, duration * 0.02), duration), 0.05)
                << "the release must lead smoothly to silence (attack " << e.attack << ")";
            for (double t = 0.0; t <= duration; t += duration / 50) {
                const double v = e.At(t, duration);
                EXPECT_TRUE(v >= 0.0 && v <= 1.0) << "level " << v << " at " << t;
            }
        }
    }
}

TEST(Envelope, ReachesFullLevelAndDecaysTowardsSustain) {
    const Envelope e{0.01, 0.05, 0.4, 0.01};
    EXPECT_NEAR(e.At(0.01, 1.0), 1.0, 1e-9);
    EXPECT_NEAR(e.At(0.5, 1.0), 0.4, 0.01) << "after ten time constants the decay has settled";
    EXPECT_GT(e.At(0.03, 1.0), e.At(0.06, 1.0));
}

TEST(FadeEdges, FirstAndLastSampleBecomeZeroMiddleUntouched) {
    Samples s(1000, 0.8f);
    FadeEdges(s, 100, 200);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
    EXPECT_FLOAT_EQ(s[500], 0.8f);
    for (std::size_t i = 1; i < 100; ++i) {
        EXPECT_GE(s[i], s[i - 1]) << "fade-in must rise steadily, sample " << i;
    }
    Samples tiny(3, 1.0f);
    FadeEdges(tiny, 50, 50); // fades longer than the buffer
    EXPECT_EQ(tiny.front(), 0.0f);
    EXPECT_EQ(tiny.back(), 0.0f);
}

TEST(WrapTail, FoldsWhatRingsPastTheEndOntoTheStart) {
    Samples s{1, 2, 3, 4, 10, 20};
    WrapTail(s, 4);
    EXPECT_EQ(s, (Samples{11, 22, 3, 4}));

    Samples longTail{1, 1, 1, 1, 1, 1, 1}; // tail longer than the loop wraps round twice
    WrapTail(longTail, 3);
    EXPECT_EQ(longTail, (Samples{3, 2, 2}));

    Samples shortBuffer{5};
    WrapTail(shortBuffer, 3);
    EXPECT_EQ(shortBuffer, (Samples{5, 0, 0}));
}

TEST(ScaleToPeak, SetsThePeakAndLeavesSilenceAlone) {
    Samples s{0.1f, -0.25f, 0.2f};
    ScaleToPeak(s, -3.0);
    EXPECT_NEAR(ToDbfs(PeakOf(s)), -3.0, 1e-4);
    EXPECT_NEAR(s[0] / s[1], 0.1 / -0.25, 1e-6) << "scaling keeps the shape";
    Samples silence(10, 0.0f);
    ScaleToPeak(silence, -3.0);
    for (float v : silence) {
        EXPECT_EQ(v, 0.0f);
    }
}

TEST(ToPcm16, RoundsAndClampsBeyondFullScale) {
    const auto pcm = ToPcm16({0.0f, 0.5f, -0.5f, 1.0f, 1.5f, -1.5f, 1e-5f});
    EXPECT_EQ(pcm, (std::vector<std::int16_t>{0, 16384, -16384, 32767, 32767, -32768, 0}));
}

TEST(PcmFormatBlock, IsTheSixteenBytePcmHeader) {
    const auto b = PcmFormatBlock(1, 22050);
    ASSERT_EQ(b.size(), 16u);
    EXPECT_EQ(b[0] | b[1] << 8, 1) << "format tag PCM";
    EXPECT_EQ(b[2] | b[3] << 8, 1) << "channels";
    EXPECT_EQ(b[4] | b[5] << 8 | b[6] << 16, 22050) << "rate";
    EXPECT_EQ(b[8] | b[9] << 8 | b[10] << 16, 44100) << "bytes per second";
    EXPECT_EQ(b[12] | b[13] << 8, 2) << "block align";
    EXPECT_EQ(b[14] | b[15] << 8, 16) << "bits per sample";
    const auto bytes = PcmBytes({1, -2});
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x01, 0x00, 0xFE, 0xFF}));
}

TEST(FastSine, MatchesTheLibrarySine) {
    for (double x = -3.0; x < 3.0; x += 0.0137) {
        EXPECT_NEAR(FastSine(x), std::sin(2.0 * std::numbers::pi * x), 2e-6) << "at " << x;
    }
}

double FilteredRms(Biquad filter, double hz, int rate) {
    double sum = 0.0;
    int n = 0;
    for (int i = 0; i < rate / 2; ++i) {
        const float y =
            filter.Process(static_cast<float>(std::sin(2.0 * std::numbers::pi * hz * i / rate)));
        if (i > rate / 10) { // skip the filter's settling
            sum += y * y;
            ++n;
        }
    }
    return std::sqrt(sum / n) * std::numbers::sqrt2;
}

TEST(Biquad, PassesItsBandAndStopsTheRest) {
    const int rate = 44100;
    EXPECT_NEAR(FilteredRms(Biquad(Biquad::Kind::LowPass, 500, 0.707, rate), 100, rate), 1.0, 0.05);
    EXPECT_LT(FilteredRms(Biquad(Biquad::Kind::LowPass, 500, 0.707, rate), 10000, rate), 0.01);
    EXPECT_NEAR(FilteredRms(Biquad(Biquad::Kind::HighPass, 5000, 0.707, rate), 15000, rate), 1.0,
                0.05);
    EXPECT_LT(FilteredRms(Biquad(Biquad::Kind::HighPass, 5000, 0.707, rate), 200, rate), 0.01);
    EXPECT_NEAR(FilteredRms(Biquad(Biquad::Kind::BandPass, 2000, 4, rate), 2000, rate), 1.0, 0.05);
    EXPECT_LT(FilteredRms(Biquad(Biquad::Kind::BandPass, 2000, 4, rate), 200, rate), 0.1);
}

} // namespace
} // namespace sixdice::audio
