// Pattern arithmetic of image entries and the decoded format block of sound entries.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListData.h"

#include <cstdint>

namespace sixdice::media {

namespace {

// Columns and rows of the pattern grid; both 0 when the picture holds no pattern.
struct PatternGrid {
    std::int64_t width = 0, height = 0, skipX = 0, skipY = 0, columns = 0, rows = 0;
};

PatternGrid GridOf(const ImageEntry& e) {
    PatternGrid g;
    if (e.picture.empty()) {
        return g;
    }
    const std::int64_t w = e.picture.width;
    const std::int64_t h = e.picture.height;
    g.width = e.patternWidth > 0 ? e.patternWidth : w;
    g.height = e.patternHeight > 0 ? e.patternHeight : h;
    if (g.width == w && g.height == h) {
        g.columns = g.rows = 1;
        return g;
    }
    g.skipX = e.skipWidth;
    g.skipY = e.skipHeight;
    const std::int64_t stepX = g.width + g.skipX;
    const std::int64_t stepY = g.height + g.skipY;
    // A gap that cancels the pattern size leaves no step to count with: no patterns at all.
    if (stepX <= 0 || stepY <= 0) {
        return g;
    }
    g.columns = (w + g.skipX) / stepX;
    g.rows = (h + g.skipY) / stepY;
    if (g.columns <= 0 || g.rows <= 0) {
        g.columns = g.rows = 0;
    }
    return g;
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int size) {
    if (at + size > b.size()) {
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

} // namespace

int ImageEntry::patternCount() const {
    const PatternGrid g = GridOf(*this);
    return int(g.columns * g.rows);
}

PatternRect ImageEntry::pattern(int k) const {
    const PatternGrid g = GridOf(*this);
    if (g.columns == 0 || k < 0) {
        return {};
    }
    const std::int64_t column = k % g.columns;
    const std::int64_t row = k / g.columns;
    return PatternRect{int(column * (g.width + g.skipX)), int(row * (g.height + g.skipY)),
                       int(g.width), int(g.height)};
}

WaveFormat SoundEntry::waveFormat() const {
    WaveFormat f;
    f.formatTag = std::uint16_t(Le(format, 0, 2));
    f.channels = std::uint16_t(Le(format, 2, 2));
    f.sampleRate = Le(format, 4, 4);
    f.bytesPerSecond = Le(format, 8, 4);
    f.blockAlign = std::uint16_t(Le(format, 12, 2));
    f.bitsPerSample = std::uint16_t(Le(format, 14, 2));
    return f;
}

} // namespace sixdice::media
