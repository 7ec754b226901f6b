// The main window's identity on the desktop: its X11/Wayland class and its icon.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace sixdice::media::sdl {

// The class the desktop entry's StartupWMClass names, so the desktop ties the window to the entry
// and its icon whatever the executable is called. It is put into the environment, so it must be
// called before SDL starts (SDL's threads read the environment); a class already given there is
// kept.
void PinWindowClass();

// Gives the window the program's icon, compiled into the program.
void SetWindowIcon(SDL_Window* window);

} // namespace sixdice::media::sdl
