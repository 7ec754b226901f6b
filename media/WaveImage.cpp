// Builds a RIFF WAVE image from a format block and sample bytes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/WaveImage.h"

namespace sixdice::media {
namespace {

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> BuildWaveImage(std::span<const std::uint8_t> format,
                                         std::span<const std::uint8_t> samples) {
    const std::size_t formatPad = format.size() % 2;
    const std::size_t samplesPad = samples.size() % 2;
    const std::size_t riffSize =
        4 + 8 + format.size() + formatPad + 8 + samples.size() + samplesPad;
    std::vector<std::uint8_t> out;
    out.reserve(8 + riffSize);
    PutTag(out, "RIFF");
    PutU32(out, static_cast<std::uint32_t>(riffSize));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, static_cast<std::uint32_t>(format.size()));
    out.insert(out.end(), format.begin(), format.end());
    if (formatPad)
        out.push_back(0);
    PutTag(out, "data");
    PutU32(out, static_cast<std::uint32_t>(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    if (samplesPad)
        out.push_back(0);
    return out;
}

} // namespace sixdice::media
