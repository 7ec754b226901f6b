// Encodes a stereo loop as an OGG Vorbis file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Signal.h"

#include <optional>
#include <string>

namespace sixdice::audio {

// quality: Vorbis VBR quality from -0.1 (smallest) to 1.0. Returns the failure's text, or
// std::nullopt on success.
std::optional<std::string> WriteOggVorbis(const std::string& path, const Stereo& audio, int rate,
                                          double quality, const std::string& title);

} // namespace sixdice::audio
