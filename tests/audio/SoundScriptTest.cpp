// Notes and chords, sound descriptions and the rendering of tones, noise and dice clicks.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/SoundScript.h"

#include "tools/audiobuild/Pitch.h"

#include <cmath>
#include <gtest/gtest.h>

namespace sixdice::audio {
namespace {

TEST(Pitch, NoteNamesAndFrequencies) {
    const std::pair<const char*, int> notes[] = {{"C4", 60},  {"A4", 69},  {"F#3", 54},
                                                 {"Bb5", 82}, {"Cb4", 59}, {"B#3", 60},
                                                 {"C-1", 0},  {"G9", 127}};
    for (const auto& [name, midi] : notes) {
        EXPECT_EQ(ParseNoteName(name), midi) << name;
    }
    for (const char* bad : {"H4", "C", "c4", "C#", "C10", "4C", "C4x", ""}) {
        EXPECT_FALSE(ParseNoteName(bad).has_value()) << bad;
    }
    EXPECT_DOUBLE_EQ(MidiToHz(69), 440.0);
    EXPECT_NEAR(MidiToHz(60), 261.6256, 1e-3);
    EXPECT_NEAR(*ParseFrequency("A5"), 880.0, 1e-9);
    EXPECT_DOUBLE_EQ(*ParseFrequency("1234.5"), 1234.5);
    EXPECT_FALSE(ParseFrequency("-5").has_value());
    EXPECT_FALSE(ParseFrequency("12Hz").has_value());
}

TEST(Pitch, ChordSymbols) {
    const auto am7 = ParseChord("Am7");
    ASSERT_TRUE(am7);
    EXPECT_EQ(am7->root, 9);
    EXPECT_EQ(am7->intervals, (std::vector<int>{0, 3, 7, 10}));
    EXPECT_EQ(am7->PitchClasses(), (std::vector<int>{9, 0, 4, 7}));
    const auto ce = ParseChord("C/E");
    ASSERT_TRUE(ce);
    EXPECT_EQ(ce->root, 0);
    EXPECT_EQ(ce->bass, 4);
    EXPECT_TRUE(ParseChord("Bbmaj7")->Contains(69)) << "A is the major seventh of Bb";
    EXPECT_FALSE(ParseChord("G7")->Contains(61));
    for (const char* bad : {"X", "Cmaj", "C/", "C/H", "am", ""}) {
        EXPECT_FALSE(ParseChord(bad).has_value()) << bad;
    }
}

// Frequency from the number of upward zero crossings.
double MeasuredHz(const Samples& s, int rate, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (s[i - 1] < 0.0f && s[i] >= 0.0f) {
            ++crossings;
        }
    }
    return crossings * static_cast<double>(rate) / static_cast<double>(to - from);
}

TEST(ToneEvent, SoundsAtItsPitchAndGlides) {
    const int rate = 44100;
    Samples steady(rate, 0.0f);
    ToneEvent tone;
    tone.duration = 1.0;
    tone.frequency = 440.0;
    Render(tone, rate, steady);
    EXPECT_NEAR(MeasuredHz(steady, rate, 0, rate), 440.0, 2.0);

    Samples glide(rate, 0.0f);
    tone.glideTo = 880.0;
    Render(tone, rate, glide);
    const double early = MeasuredHz(glide, rate, 0, rate / 10);
    const double late = MeasuredHz(glide, rate, rate * 9 / 10, rate);
    EXPECT_LT(early, 490.0);
    EXPECT_GT(late, 800.0);
}

TEST(ToneEvent, StartsAtItsTimeAndIsCutAtTheBufferEnd) {
    const int rate = 22050;
    Samples out(rate / 2, 0.0f);
    ToneEvent tone;
    tone.at = 0.2;
    tone.duration = 1.0; // runs past the buffer
    Render(tone, rate, out);
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.2 * rate); ++i) {
        ASSERT_EQ(out[i], 0.0f) << "nothing before the tone's start, sample " << i;
    }
    EXPECT_GT(PeakOf(out), 0.5f);
}

TEST(NoiseEvent, SameSeedSameNoiseOtherSeedOtherNoise) {
    NoiseEvent noise;
    noise.duration = 0.05;
    noise.band = 3000;
    Samples a(2205, 0.0f), b(2205, 0.0f), c(2205, 0.0f);
    Render(noise, 44100, a);
    Render(noise, 44100, b);
    noise.seed = 2;
    Render(noise, 44100, c);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(ClickTrainEvent, ClicksComeWithShrinkingGaps) {
    const int rate = 44100;
    ClickTrainEvent train;
    train.count = 5;
    train.gap = 0.1;
    train.ratio = 0.5;
    train.jitter = 0.0;
    train.click = 0.002;
    train.fall = 1.0;
    Samples out(rate / 2, 0.0f);
    Render(train, rate, out);
    // Onsets: the first sample above a threshold after at least 5 ms of quiet.
    const float threshold = 0.1f * PeakOf(out);
    std::vector<double> onsets;
    std::size_t quiet = rate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (std::fabs(out[i]) > threshold) {
            if (quiet > static_cast<std::size_t>(0.005 * rate)) {
                onsets.push_back(static_cast<double>(i) / rate);
            }
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    const double expected[] = {0.0, 0.1, 0.15, 0.175, 0.1875};
    ASSERT_EQ(onsets.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_NEAR(onsets[k], expected[k], 0.002) << "click " << k;
    }
    EXPECT_NEAR(EndOf(train), 0.1875 + 6 * 0.002, 1e-9);
}

constexpr const char* kGoodSound = R"(
# a test chime
name zvon
rate 22050
peak -4
fade in=0.001 out=0.02
length 0.3
tone at=0 dur=0.25 freq=C6 partials=1:1,2.76:0.3 attack=0.002 decay=0.05 sustain=0 release=0.02
noise at=0.01 dur=0.02 band=3000 q=2 gain=0.5 seed=4
clicks at=0.05 count=3 gap=0.05 ratio=0.8
)";

TEST(SoundScript, ReadsEveryCommand) {
    SoundRecipe recipe;
    ASSERT_EQ(ParseSoundScript(kGoodSound, recipe), std::nullopt);
    EXPECT_EQ(recipe.name, "zvon");
    EXPECT_EQ(recipe.rate, 22050);
    EXPECT_EQ(recipe.peak, -4.0);
    EXPECT_EQ(recipe.fadeIn, 0.001);
    EXPECT_EQ(recipe.fadeOut, 0.02);
    EXPECT_EQ(recipe.length, 0.3);
    ASSERT_EQ(recipe.events.size(), 3u);
    const auto& tone = std::get<ToneEvent>(recipe.events[0]);
    EXPECT_NEAR(tone.frequency, 1046.5, 0.1);
    ASSERT_EQ(tone.partials.size(), 2u);
    EXPECT_EQ(tone.partials[1].ratio, 2.76);
    EXPECT_EQ(tone.envelope.sustain, 0.0);
    EXPECT_EQ(std::get<NoiseEvent>(recipe.events[1]).seed, 4u);
    EXPECT_EQ(std::get<ClickTrainEvent>(recipe.events[2]).count, 3);
}

TEST(SoundScript, ReportsMistakesWithTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"name a\ntone frq=440", "line 2: unknown key 'frq'"},
        {"name a\ntone freq=Q4", "line 2: 'freq' needs a frequency"},
        {"name a\ntone dur=abc", "line 2: 'dur' needs a number"},
        {"name a\nbeep", "line 2: unknown command 'beep'"},
        {"name a\nrate 48000\ntone", "line 2: the rate is 44100 or 22050"},
        {"tone", "the sound has no 'name'"},
        {"name a", "the sound has no events"},
        {"name a\ntone wave=organ", "line 2: unknown wave 'organ'"},
        {"name a\ntone partials=1,2", "line 2: partials are"},
        {"name a\ntone at=0 at=1", "line 2: 'at' given twice"},
        {"name a\nclicks count=0", "line 2: clicks need"},
        {"name a\ntone dur=0", "line 2: a tone needs a positive 'dur'"},
    };
    for (const auto& [text, message] : cases) {
        SoundRecipe recipe;
        const auto error = ParseSoundScript(text, recipe);
        ASSERT_TRUE(error.has_value()) << "accepted: " << text;
        EXPECT_NE(error->find(message), std::string::npos)
            << "for '" << text << "' got: " << *error;
    }
}

TEST(RenderSound, HasItsLengthPeakAndSilentEnds) {
    SoundRecipe recipe;
    ASSERT_EQ(ParseSoundScript(kGoodSound, recipe), std::nullopt);
    const Samples s = RenderSound(recipe);
    EXPECT_EQ(s.size(), static_cast<std::size_t>(std::ceil(0.3 * 22050)));
    EXPECT_NEAR(ToDbfs(PeakOf(s)), -4.0, 1e-3);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);

    recipe.length = 0.0; // then the sound lasts until its last event ends
    EXPECT_EQ(RenderSound(recipe).size(), static_cast<std::size_t>(std::ceil(0.25 * 22050)));
}

} // namespace
} // namespace sixdice::audio
