// The browser build's outputs: SDL takes the page's audio context; frames go to the canvas by
// SDL's software renderer, whose 2D canvas the page enlarges with sharp pixels.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputGuess.h"

namespace sixdice::platform {

OutputGuess GuessOutputs() {
    OutputGuess guess;
    guess.preferSoftwareRenderer = true;
    return guess;
}

} // namespace sixdice::platform
