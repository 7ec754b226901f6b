// The browser build always shows its canvas; windows have no class to pin.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSession.h"

namespace sixdice::platform {

bool DesktopSessionPresent() {
    return true;
}

void PinWindowClass(const char*) {}

} // namespace sixdice::platform
