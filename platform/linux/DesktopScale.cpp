// The desktop's scale on Linux: GDK_SCALE, the integer scale X11 desktops set, and the dots per
// inch SDL reads from the first display.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopScale.h"

#include <SDL.h>
#include <cstdlib>

namespace sixdice::platform {

DesktopScale QueryDesktopScale() {
    DesktopScale scale;
    if (const char* value = std::getenv("GDK_SCALE"); value && *value) {
        scale.setting = value;
    }
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) == 0) {
        scale.dpi = dpi;
    }
    return scale;
}

} // namespace sixdice::platform
