// 16-bit PCM in the shapes the game's files need: the "fmt " block, the data bytes, a WAV file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sixdice::audio {

// The 16-byte PCM format block (tag 1, 16 bits per sample).
std::vector<std::uint8_t> PcmFormatBlock(int channels, int rate);

// Little-endian bytes of the samples.
std::vector<std::uint8_t> PcmBytes(const std::vector<std::int16_t>& samples);

// A complete RIFF WAVE file of mono samples, for listening and for measuring with other tools.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples, int rate);

// Writes bytes to a file; the failure's text, or std::nullopt on success.
std::optional<std::string> WriteFile(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes);

} // namespace sixdice::audio
