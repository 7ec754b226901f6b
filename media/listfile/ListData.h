// Plain data of the graphics and sound list files: what the reader produces and the writer takes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sixdice::media {

// A decoded picture: top row first, each pixel 0x00RRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // width * height

    // A width x height picture of one colour.
    static Picture Filled(int width, int height, std::uint32_t colour) {
        return Picture{width, height,
                       std::vector<std::uint32_t>(std::size_t(width) * height, colour)};
    }

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// A rectangle inside a picture, in pixels.
struct PatternRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PatternRect&, const PatternRect&) = default;
};

// Colour codes are $00BBGGRR; system colour names read as 0x80000000 + index, "clNone" as
// 0x1FFFFFFF.
using ColorCode = std::uint32_t;

// One entry of an image list (TPictureCollectionItem). Defaults are those of a missing property.
struct ImageEntry {
    std::string name;
    std::int32_t patternWidth = 0;
    std::int32_t patternHeight = 0;
    std::int32_t skipWidth = 0;
    std::int32_t skipHeight = 0;
    bool systemMemory = false;
    bool transparent = true;
    ColorCode transparentColor = 0;
    Picture picture; // empty: the entry has no picture and draws nothing

    // Patterns the entry is cut into (0 when it has no picture or the pattern is too large).
    int patternCount() const;
    // Pattern k's rectangle in the picture; k must be below patternCount().
    PatternRect pattern(int k) const;

    friend bool operator==(const ImageEntry&, const ImageEntry&) = default;
};

// The whole graphics file: the palette block (kept, never drawn with) and the entries in file
// order.
struct ImageList {
    std::vector<std::uint8_t> colorTable; // 1024 bytes once loaded or set, else empty
    std::vector<ImageEntry> entries;
    friend bool operator==(const ImageList&, const ImageList&) = default;
};

// The fields of a WAVE format block that the sound output needs.
struct WaveFormat {
    std::uint16_t formatTag = 0; // 1 = PCM, 2 = MS ADPCM, 0x11 = IMA ADPCM, ...
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

// One entry of a sound list (TWaveCollectionItem).
struct SoundEntry {
    std::string name;
    bool looped = false;
    std::int32_t maxPlayingCount = 0;  // 0 = no limit; a negative stored value reads as 0
    std::vector<std::uint8_t> format;  // the "fmt " chunk's bytes, unchanged
    std::vector<std::uint8_t> samples; // the "data" chunk's bytes

    bool hasRecording() const { return !samples.empty(); }
    // The format block decoded; fields stay 0 where the block is shorter than they need.
    WaveFormat waveFormat() const;

    friend bool operator==(const SoundEntry&, const SoundEntry&) = default;
};

struct SoundList {
    std::vector<SoundEntry> entries;
    friend bool operator==(const SoundList&, const SoundList&) = default;
};

} // namespace sixdice::media
