// Golden images of the game screen, drawn by the headless SDL services with the pinned font.
//
// The pictures come from the synthetic image list of support/SyntheticAssets.cpp, so they change
// only when the drawing does. To regenerate them after a deliberate change, run
//   SIXDICE_UPDATE_GOLDENS=1 ./tests/ui/ui_tests --gtest_filter='GoldenScreen.*'
// in the build folder and review the PNG files in tests/ui/golden/ before committing them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Clock.h"
#include "media/Services.h"
#include "media/testing/PngFile.h"
#include "tests/support/BuildPaths.h"
#include "tests/ui/support/SyntheticAssets.h"
#include "ui/uMain.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace sixdice::ui {
namespace {

class GoldenScreen : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SIXDICE_FONT_DIR", build_paths::fontDir, 1);
        folder_.WriteCompleteSet("");
        media::ServiceOptions options;
        options.headless = true;
        media::ServicesResult started = media::CreateSdlServices(options);
        ASSERT_TRUE(started.services) << started.error;
        services_ = std::move(started.services);
        tmain_ = std::make_unique<Tmain>(
            *services_,
            [](const std::string&, SettingsLines& lines) -> std::optional<std::string> {
                lines = SettingsLines({"0", "0", "CZ"});
                return std::nullopt;
            },
            clock_);
        auto failure = tmain_->FormCreate();
        ASSERT_EQ(failure, std::nullopt) << *failure;
        services_->window().SetLayout(media::Layout::Large);
        tmain_->SetCurrentScreen(game::Screen::Game);
    }
    void TearDown() override {
        tmain_.reset();
        services_.reset();
    }

    void NewGame(int players) {
        game::NewGame(tmain_->State(), players, {"Alena", "Bořek", "Cecílie", "Dušan"});
        game::LoadActiveSheet(tmain_->State());
    }

    void ExpectGolden(const std::string& name) {
        const media::Picture actual = services_->graphics().CaptureSurface();
        ASSERT_EQ(actual.width, 547);
        ASSERT_EQ(actual.height, 448);
        const std::string file = std::string(build_paths::goldenDir) + "/" + name + ".png";
        if (const char* update = std::getenv("SIXDICE_UPDATE_GOLDENS"); update && *update == '1') {
            auto failure = media::testing::SavePng(actual, file);
            ASSERT_EQ(failure, std::nullopt) << *failure;
            return;
        }
        const auto expected = media::testing::LoadPng(file);
        ASSERT_TRUE(expected.has_value())
            << file << " is missing; run with SIXDICE_UPDATE_GOLDENS=1 to create it";
        const auto difference = media::testing::ComparePictures(*expected, actual);
        if (!difference.Same()) {
            const std::string saved = ::testing::TempDir() + name + ".actual.png";
            (void)media::testing::SavePng(actual, saved);
            ADD_FAILURE() << name << ": " << difference.Describe() << " (actual saved as " << saved
                          << ")";
        }
    }

    testsupport::WorkingFolder folder_;
    game::FixedClock clock_{game::TimeOfDay(9, 30, 0, 0)};
    std::unique_ptr<media::Services> services_;
    std::unique_ptr<Tmain> tmain_;
};

TEST_F(GoldenScreen, StartOfATurn) {
    NewGame(3);
    tmain_->DrawGameScreen();
    ExpectGolden("start_of_turn");
}

TEST_F(GoldenScreen, RedOffersAfterAThrow) {
    NewGame(3);
    game::GameState& s = tmain_->State();
    s.CurrentPlayer = 2;
    s.Dice = {2, 2, 5, 5, 6, 6};
    s.DieHeld = {true, true, false, false, true, false};
    s.Sheet(1).SetLine(game::CellLine(7), "21");
    s.Sheet(2).SetLine(game::CellLine(13), "30");
    s.Sheet(2).SetLine(game::TotalLine, "30");
    s.Sheet(2).SetLine(game::TurnThrowsLine, "2");
    game::LoadActiveSheet(s);
    s.Entry(10) = 26; // three pairs
    s.Entry(2) = -1;
    ASSERT_EQ(s.Entry(13), 0);
    tmain_->DrawGameScreen();
    ExpectGolden("red_offers");
}

TEST_F(GoldenScreen, ReserveThrowsInBlue) {
    NewGame(4);
    game::GameState& s = tmain_->State();
    s.CurrentPlayer = 4;
    s.Dice = {1, 3, 3, 3, 4, 6};
    s.OnReserve = true;
    s.Sheet(4).SetLine(game::TurnThrowsLine, "0");
    s.Sheet(4).SetLine(game::ReserveThrowsLine, "5");
    s.Sheet(1).SetLine(game::ReserveThrowsLine, "2");
    game::LoadActiveSheet(s);
    tmain_->DrawGameScreen();
    ExpectGolden("reserve_in_blue");
}

TEST_F(GoldenScreen, TwoPlayersOnly) {
    NewGame(2);
    tmain_->State().CurrentPlayer = 2;
    tmain_->DrawGameScreen();
    ExpectGolden("two_players");
}

TEST_F(GoldenScreen, EndOfGame) {
    NewGame(2);
    game::GameState& s = tmain_->State();
    for (int cell = 1; cell <= game::CellCount; ++cell) {
        s.Sheet(1).SetLine(game::CellLine(cell), std::to_string(cell * 3));
    }
    s.Sheet(1).SetLine(game::TotalLine, "275");
    s.Sheet(1).SetLine(game::ThrowCountLine, "30");
    s.Sheet(2).SetLine(game::TotalLine, "120");
    s.Sheet(2).SetLine(game::ThrowCountLine, "20");
    s.Sheet(1).SetLine(game::TurnThrowsLine, "0");
    s.Sheet(2).SetLine(game::TurnThrowsLine, "0");
    s.GameOver = true;
    tmain_->SetCurrentScreen(game::Screen::GameEnd);
    tmain_->DrawGameScreen();
    tmain_->DrawEndOfGameLine();
    ExpectGolden("end_of_game");
}

} // namespace
} // namespace sixdice::ui
