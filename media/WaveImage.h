// A complete RIFF WAVE file in memory from a recording's format block and samples.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sixdice::media {

// "RIFF" size "WAVE", the "fmt " chunk (padded to an even length) and the "data" chunk. The
// sound output hands this to the decoder, which converts it to the output's format.
std::vector<std::uint8_t> BuildWaveImage(std::span<const std::uint8_t> format,
                                         std::span<const std::uint8_t> samples);

} // namespace sixdice::media
