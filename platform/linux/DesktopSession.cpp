// The desktop on Linux: an X11 or Wayland display named in the environment; the window class
// through SDL's environment settings for both.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSession.h"

#include <cstdlib>

namespace sixdice::platform {
namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool DesktopSessionPresent() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("SDL_VIDEODRIVER");
}

void PinWindowClass(const char* name) {
    // Without overwriting: a class the user set for the program stays.
    setenv("SDL_VIDEO_X11_WMCLASS", name, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", name, 0);
}

} // namespace sixdice::platform
