// Environment variables on Windows: the C runtime's copy, which getenv reads, and the process's
// own, which Windows' calls and child processes see, kept alike.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Environment.h"

#include "platform/windows/WideText.h"

#include <cstdlib>
#include <windows.h>

namespace sixdice::platform {

void SetEnv(const std::string& name, const std::optional<std::string>& value, bool overwrite) {
    if (!overwrite && std::getenv(name.c_str()) != nullptr) {
        return;
    }
    // An empty value removes the variable from the C runtime's copy; that is the closest Windows
    // has to a variable set to nothing.
    _putenv_s(name.c_str(), value ? value->c_str() : "");
    const auto wideName = WideFromUtf8(name);
    const auto wideValue = value ? WideFromUtf8(*value) : std::nullopt;
    if (wideName) {
        SetEnvironmentVariableW(wideName->c_str(), wideValue ? wideValue->c_str() : nullptr);
    }
}

} // namespace sixdice::platform
