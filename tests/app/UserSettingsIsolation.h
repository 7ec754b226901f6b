// Tests of the program never read the player's own settings file: each sees a folder of its own.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Environment.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace sixdice::testsupport {

// Sets an environment variable (or removes it, for std::nullopt) for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value) { platform::SetEnv(name_, value); }
    std::string name_;
    std::optional<std::string> old_;
};

// A configuration folder that does not exist, so no per-user settings file is found.
inline std::string AbsentConfigHome() {
    return (std::filesystem::temp_directory_path() / "sixdice-tests-no-config-home").string();
}

} // namespace sixdice::testsupport
