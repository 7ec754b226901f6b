// The integer scale the game is shown at: chosen from the player's option, the environment or the
// desktop, and reduced until the largest window fits the screen.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace sixdice::media {

// The largest scale the game accepts; beyond it a window no longer fits any screen.
inline constexpr int MaxScale = 8;

// "2" -> 2; anything but a whole number from 1 to MaxScale -> none.
std::optional<int> ParseScale(std::string_view text);

// What the scale can be chosen from, in order of precedence.
struct ScaleSources {
    std::optional<int> option;       // --scale N
    std::optional<std::string> game; // SIXDICE_SCALE
    std::optional<std::string> gdk;  // GDK_SCALE, the desktop's own integer scale on X11
    std::optional<float> displayDpi; // what the display reports, when it reports anything
};

struct ScaleChoice {
    int scale = 1;
    std::string from;     // "--scale", "SIXDICE_SCALE", "GDK_SCALE", "the display" or "default"
    bool reduced = false; // the wished scale did not fit the screen
};

// The first source that gives a valid scale decides (a display of 1.75 times 96 dots per inch and
// more counts as 2, and so on); the scale is then reduced until a window of `largestOuter` times
// the scale fits `desktop` (never below 1).
ScaleChoice ChooseScale(const ScaleSources& sources, Size largestOuter, Size desktop);

} // namespace sixdice::media
