// The end of the user's session where it arrives through the window system rather than as a
// signal (on Windows: WM_ENDSESSION). The system may end the process as soon as the window has
// answered the message, so the program is ended right there, by `endNow`.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::media::sdl {

// Watches SDL's window-system messages for the session's end; call after SDL_Init. `endNow`
// is called on the waiting thread after the request has been recorded and must not return.
void WatchSessionEnd(void (*endNow)());

// Stops watching (before SDL shuts down).
void StopWatchingSessionEnd();

} // namespace sixdice::media::sdl
