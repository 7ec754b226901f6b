// The desktop's wait: SDL blocks on the display's connection.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/EventWait.h"

namespace sixdice::media::sdl {

bool WaitForSdlEvent(SDL_Event& e, int milliseconds) {
    if (milliseconds <= 0)
        return SDL_PollEvent(&e) != 0;
    return SDL_WaitEventTimeout(&e, milliseconds) != 0;
}

} // namespace sixdice::media::sdl
