// The music restart loop on the headless SDL music player with a short OGG file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Clock.h"
#include "media/Services.h"
#include "tests/support/BuildPaths.h"
#include "tests/ui/support/SyntheticAssets.h"
#include "ui/uMain.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace sixdice::ui {
namespace {

TEST(RealMusicLoop, AShortOggPlaysAgainAfterItsEnd) {
    testsupport::WorkingFolder folder;
    folder.WriteCompleteSet("");
    std::filesystem::create_directory(folder.Path() / "hudba");
    std::filesystem::copy_file(build_paths::shortOgg, folder.Path() / "hudba" / "short.ogg");

    media::ServiceOptions options;
    options.headless = true;
    media::ServicesResult started = media::CreateSdlServices(options);
    ASSERT_TRUE(started.services) << started.error;
    media::Services& services = *started.services;
    game::FixedClock clock;
    {
        Tmain tmain(
            services,
            [](const std::string&, SettingsLines& lines) -> std::optional<std::string> {
                lines = SettingsLines({"short.ogg", "0", "EN"});
                return std::nullopt;
            },
            clock);
        ASSERT_EQ(tmain.FormCreate(), std::nullopt);
        ASSERT_TRUE(tmain.MusicOn());
        media::MediaPlayer& player = services.music();
        const std::int64_t length = player.Length();
        ASSERT_GT(length, 100) << "the test file is about 300 ms long";
        ASSERT_LT(length, 1000);

        // Run the loop's timer until the piece wraps back to its start; one wrap takes about one
        // length, and the generous bound only matters on a machine too loaded to keep time.
        std::int64_t highest = 0;
        int wraps = 0;
        std::int64_t previous = 0;
        const std::uint64_t end = services.events().Ticks() + 10'000;
        while (wraps == 0 && services.events().Ticks() < end) {
            services.events().Delay(5);
            tmain.RunDueTimers(services.events().Ticks());
            const std::int64_t position = player.Position();
            highest = std::max(highest, position);
            if (position + 50 < previous) {
                ++wraps;
            }
            previous = position;
        }
        EXPECT_GE(highest, length - 20) << "the piece played to its end";
        EXPECT_GE(wraps, 1) << "and was started again from the beginning";
        EXPECT_TRUE(player.IsPlaying());
        tmain.StopMusic();
        EXPECT_FALSE(player.IsPlaying());
    }
}

} // namespace
} // namespace sixdice::ui
