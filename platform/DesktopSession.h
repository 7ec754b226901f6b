// Whether there is a desktop to show windows on, and how the game's windows are named to it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::platform {

// True when a window can be shown: a desktop session is there, or SDL_VIDEODRIVER names a video
// driver of the user's choice.
bool DesktopSessionPresent();

// Gives the game's windows the class `name`, by which the desktop groups them and finds their
// launcher and icon. Call it before SDL starts: it may go through the environment, which must not
// change once SDL's threads read it.
void PinWindowClass(const char* name);

} // namespace sixdice::platform
