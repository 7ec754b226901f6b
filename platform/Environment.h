// Setting the process's environment variables, which SDL and the tests read.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace sixdice::platform {

// Sets `name` to `value`, or removes it for nothing. With `overwrite` false a variable that is
// already there stays as it is. Only before other threads read the environment.
void SetEnv(const std::string& name, const std::optional<std::string>& value,
            bool overwrite = true);

} // namespace sixdice::platform
