// What the desktop says about how large the game should be drawn.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace sixdice::platform {

struct DesktopScale {
    // The desktop's own integer scale setting as text, where it has one (GDK_SCALE on X11).
    std::optional<std::string> setting;
    // The dots per inch of the monitor the game opens on, when the system tells them.
    std::optional<float> dpi;
};

// Asks the desktop; needs SDL's video running.
DesktopScale QueryDesktopScale();

} // namespace sixdice::platform
