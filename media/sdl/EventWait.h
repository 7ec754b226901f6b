// Sleeping until SDL has an event for us: the one wait of every loop of the game's windows.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/sdl/SdlHandles.h"

namespace sixdice::media::sdl {

// Takes the next event into `e`, waiting at most `milliseconds` (0: only a look at the queue);
// false when none came. The wait sleeps: on the desktop in SDL's own wait, in the browser until
// the page sees input or the time is up.
bool WaitForSdlEvent(SDL_Event& e, int milliseconds);

} // namespace sixdice::media::sdl
