// Which sound and picture outputs are worth trying on this machine, judged without opening any.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::platform {

struct OutputGuess {
    // The audio driver to ask SDL for: "dummy" when no sound output can possibly open, else empty,
    // which leaves the choice to SDL and to the environment variable SDL_AUDIODRIVER.
    std::string audioDriver;
    // True when OpenGL could only be a software rasteriser: SDL's own software renderer then
    // starts in a fraction of the time and draws the same pixels.
    bool preferSoftwareRenderer = false;
};

OutputGuess GuessOutputs();

} // namespace sixdice::platform
