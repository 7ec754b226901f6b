// The output guess on Windows: every Windows has its audio service and a display driver, so SDL
// picks its own drivers (and falls back to silence by itself when no audio device is there).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputGuess.h"

namespace sixdice::platform {

OutputGuess GuessOutputs() {
    return {};
}

} // namespace sixdice::platform
