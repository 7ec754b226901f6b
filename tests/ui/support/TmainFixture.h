// A main window on the recording media double, in a temporary working folder of synthetic files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "media/testing/RecordingServices.h"
#include "tests/ui/support/SyntheticAssets.h"
#include "ui/uMain.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace sixdice::testsupport {

class TmainTest : public ::testing::Test {
protected:
    // Settings lines the injected loader hands to start-up (no file is read for them).
    void UseSettings(std::vector<std::string> lines) { settings_ = std::move(lines); }
    void FailSettings(std::string message) { settingsFailure_ = std::move(message); }

    ui::Tmain& CreateWindow() {
        tmain_ = std::make_unique<ui::Tmain>(
            services_,
            [this](const std::string& name,
                   ui::SettingsLines& lines) -> std::optional<std::string> {
                requestedSettings_ = name;
                if (settingsFailure_) {
                    return settingsFailure_;
                }
                lines = ui::SettingsLines(settings_);
                return std::nullopt;
            },
            clock_);
        return *tmain_;
    }
    // Creates the window and runs start-up, which must succeed.
    ui::Tmain& StartWindow(std::vector<std::string> settings) {
        UseSettings(std::move(settings));
        ui::Tmain& tmain = CreateWindow();
        auto failure = tmain.FormCreate();
        EXPECT_EQ(failure, std::nullopt) << failure.value_or("");
        return tmain;
    }

    media::testing::CallLog& Log() { return services_.log(); }
    std::vector<std::string> LogSince(std::size_t first) const {
        const auto& lines = const_cast<media::testing::RecordingServices&>(services_).log().Lines();
        return {lines.begin() + std::ptrdiff_t(std::min(first, lines.size())), lines.end()};
    }

    WorkingFolder folder_;
    media::testing::RecordingServices services_;
    game::FixedClock clock_{game::TimeOfDay(12, 0, 0, 0)};
    std::vector<std::string> settings_{"0", "0", "CZ"};
    std::optional<std::string> settingsFailure_;
    std::string requestedSettings_;
    std::unique_ptr<ui::Tmain> tmain_;
};

} // namespace sixdice::testsupport
