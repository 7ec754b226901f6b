// Every test of this program starts without a per-user settings file, whatever the machine has.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/UserSettingsIsolation.h"

#include <gtest/gtest.h>

namespace {

class NoUserSettings : public ::testing::Environment {
public:
    void SetUp() override {
        sixdice::platform::SetEnv("XDG_CONFIG_HOME", sixdice::testsupport::AbsentConfigHome());
    }
};

[[maybe_unused]] const auto* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new NoUserSettings);

} // namespace
