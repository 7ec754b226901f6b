// Environment variables on Linux: setenv and unsetenv.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Environment.h"

#include <cstdlib>

namespace sixdice::platform {

void SetEnv(const std::string& name, const std::optional<std::string>& value, bool overwrite) {
    if (value) {
        ::setenv(name.c_str(), value->c_str(), overwrite ? 1 : 0);
    } else if (overwrite) {
        ::unsetenv(name.c_str());
    }
}

} // namespace sixdice::platform
