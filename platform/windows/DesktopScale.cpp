// The desktop's scale on Windows: the effective DPI of the primary monitor, where the game's
// window opens. The application manifest makes the process aware of each monitor's DPI, so the
// system does not stretch the window itself.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopScale.h"

#include <SDL.h>

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <shellscalingapi.h>
// clang-format on

namespace sixdice::platform {

DesktopScale QueryDesktopScale() {
    DesktopScale scale; // Windows has no separate integer scale setting: the DPI is the setting
    const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (monitor && SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) &&
        dpiY > 0) {
        scale.dpi = float(dpiY);
        return scale;
    }
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) == 0) {
        scale.dpi = dpi;
    }
    return scale;
}

} // namespace sixdice::platform
