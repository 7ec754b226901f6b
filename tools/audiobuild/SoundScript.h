// A sound description file (".snd"): its settings and events, parsed and rendered to samples.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Signal.h"
#include "tools/audiobuild/SoundEvents.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::audio {

struct SoundRecipe {
    std::string name;      // the entry's name in the sound list
    int rate = 44100;      // 44100 or 22050
    double peak = -3.0;    // dBFS the finished sound is scaled to
    double fadeIn = 0.002; // seconds
    double fadeOut = 0.01; // seconds
    double length = 0.0;   // seconds; 0 = until the last event ends
    std::vector<SoundEvent> events;
};

// Reads a description. Lines: "name N", "rate R", "peak DB", "fade in=S out=S", "length S", and
// the events "tone ...", "noise ...", "clicks ..." with key=value settings. Returns the first
// problem with its line number; std::nullopt on success.
std::optional<std::string> ParseSoundScript(std::string_view text, SoundRecipe& recipe);

// Renders the events, fades both ends to silence and scales the peak to `recipe.peak`.
Samples RenderSound(const SoundRecipe& recipe);

} // namespace sixdice::audio
