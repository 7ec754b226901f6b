// RIFF WAVE images: the block stored in a sound list and the stand-alone ".wav" file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sixdice::media {

// "RIFF", size, "WAVE", the "fmt " chunk and the "data" chunk. A ".wav" file pads odd-sized chunks
// to an even length; the block inside a sound list is written without padding, as it is read.
std::vector<std::uint8_t> WriteWaveImage(const SoundEntry& entry, bool padOddChunks);

// Reads a sound list's "Wave.WAVE" block into the entry's format and samples; throws ReadFailure.
void ReadWaveBlock(std::span<const std::uint8_t> block, SoundEntry& entry);

// Reads a stand-alone ".wav" file (odd chunks padded) into format and samples.
// Returns the failure's text, std::nullopt on success.
std::optional<std::string> ReadWavFile(std::span<const std::uint8_t> bytes, SoundEntry& entry);

} // namespace sixdice::media
