// The desktop on Windows: the process's window station is visible (not a service's), and the
// game's windows are grouped under its own application identity on the taskbar.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopSession.h"

#include "platform/windows/WideText.h"

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <shobjidl.h>
// clang-format on

namespace sixdice::platform {

bool DesktopSessionPresent() {
    const HWINSTA station = GetProcessWindowStation();
    USEROBJECTFLAGS flags{};
    if (station == nullptr ||
        !GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr)) {
        return true; // the system did not say: assume the ordinary case, a user's desktop
    }
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

void PinWindowClass(const char* name) {
    // The taskbar groups windows and finds their pinned shortcut by this identity.
    std::string identity = "SixDice.";
    identity += name;
    if (const auto wide = WideFromUtf8(identity)) {
        SetCurrentProcessExplicitAppUserModelID(wide->c_str());
    }
}

} // namespace sixdice::platform
