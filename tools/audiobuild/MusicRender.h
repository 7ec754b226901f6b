// Renders a composition into one seamless stereo loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Composer.h"
#include "tools/audiobuild/MusicScript.h"
#include "tools/audiobuild/Signal.h"

#include <cstddef>

namespace sixdice::audio {

// Samples of exactly one pass through the form.
std::size_t LoopSamples(const Composition& c, int rate);

// Mixes every track (with its pan and room send), adds the room, folds everything that rings past
// the loop's end onto its start, and scales the peak to `piece.peak`. The result repeats without
// a seam: its last sample runs on into its first.
Stereo RenderLoop(const MusicPiece& piece, const Composition& c, int rate);

} // namespace sixdice::audio
