// Whether the video output SDL would take, or took, is one a person can see. Without a desktop SDL
// falls back to its offscreen or dummy driver, and the game would run unseen for ever.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sixdice::media {

// SDL's video drivers that show nothing on any screen.
bool InvisibleVideoDriver(std::string_view driver);

// Whether `driver` is named in SDL_VIDEODRIVER's value `requested` (null when unset; SDL takes a
// comma-separated list and compares names without regard to case).
bool VideoDriverRequested(std::string_view driver, const char* requested);

// Before SDL starts: an empty text when a desktop session is there (or the player named a video
// driver himself), else why the window cannot be shown.
std::string DisplayProblemBeforeStart(bool desktopPresent);

// After SDL started with video driver `current`: an empty text when it is one a person can see or
// one the player asked for by name, else why not.
std::string DisplayProblemAfterStart(std::string_view current, const char* requested);

} // namespace sixdice::media
