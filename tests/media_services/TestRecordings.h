// Recordings made in the tests: PCM and IMA ADPCM format blocks and samples, and a short OGG file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sixdice::media::testing {

// A sine tone as a sound entry in plain PCM: 8 or 16 bits, 1 or 2 channels, any rate.
SoundEntry PcmTone(int bits, int channels, int rate, int milliseconds);

// The same tone in IMA ADPCM (4 bits, mono, 256-byte blocks), encoded here.
SoundEntry ImaAdpcmTone(int rate, int milliseconds);

// The same tone in Microsoft ADPCM (4 bits, mono, 256-byte blocks, the seven standard predictors).
SoundEntry MsAdpcmTone(int rate, int milliseconds);

// Writes a mono OGG Vorbis file holding a sine tone; returns false when encoding failed.
bool WriteOggTone(const std::string& fileName, int milliseconds);

} // namespace sixdice::media::testing
