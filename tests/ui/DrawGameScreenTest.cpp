// The game screen's drawing order, colours and positions, read from the recorded drawing calls.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/TmainFixture.h"
#include "ui/LanguageTexts.h"
#include "ui/TextLayout.h"

#include <gmock/gmock.h>

namespace sixdice::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testsupport::TmainTest;

class GameScreen : public TmainTest {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        StartWindow({"0", "0", "CZ"});
        Log().Clear();
    }
    void StartGame(int players) {
        game::NewGame(tmain_->State(), players, {"Ann", "Bob", "Cyril", "Dana"});
        game::LoadActiveSheet(tmain_->State());
        tmain_->SetCurrentScreen(game::Screen::Game);
    }
    std::vector<std::string> Drawn() {
        tmain_->DrawGameScreen();
        return Log().Lines();
    }
};

TEST_F(GameScreen, StartOfATurnShowsOnlyTheBoardInTheDiceRow) {
    StartGame(1);
    const auto calls = Drawn();
    ASSERT_GE(calls.size(), 8u);
    EXPECT_THAT(std::vector<std::string>(calls.begin(), calls.begin() + 8),
                ElementsAre("DrawImage 15 0 0 0", "DrawImage 18 10 52 0", "DrawImage 18 60 52 0",
                            "DrawImage 18 110 52 0", "DrawImage 18 160 52 0",
                            "DrawImage 18 210 52 0", "DrawImage 18 260 52 0",
                            "DrawImage 16 5 125 0"))
        << "no die image while every die is 0:\n"
        << Log().Text();
    EXPECT_EQ(Log().Count("Present"), 0) << "drawing does not present";
}

TEST_F(GameScreen, FullOrderForTwoPlayersWithOffers) {
    StartGame(2);
    game::GameState& s = tmain_->State();
    s.Dice = {1, 2, 3, 4, 5, 6};
    s.DieHeld = {false, true, false, false, true, false};
    s.Sheet(1).SetLine(game::CellLine(1), "4"); // written cell stays black
    s.Entry(1) = 0;
    s.Entry(7) = 21;  // offered: red
    s.Entry(13) = -1; // free, nothing offered: "-" in black
    s.Entry(2) = 12;
    std::vector<std::string> expected = {
        "DrawImage 15 0 0 0",     "DrawImage 9 0 0 0",
        "DrawImage 10 50 0 0",    "DrawImage 11 100 0 0",
        "DrawImage 12 150 0 0",   "DrawImage 13 200 0 0",
        "DrawImage 14 250 0 0",   "DrawImage 18 10 52 0",
        "DrawImage 19 60 52 0",   "DrawImage 18 110 52 0",
        "DrawImage 18 160 52 0",  "DrawImage 19 210 52 0",
        "DrawImage 18 260 52 0",  "DrawImage 16 5 125 0",
        "DrawImage 17 140 125 0", "SetFont Arial Black 12 0,128,0",
        "DrawText 10 125 Ann",    "SetFont Arial Black 12 0,0,0",
        "DrawText 145 125 Bob",
    };
    // Player 1's column at x = 102.
    expected.push_back("SetFont Arial Black 9 0,0,0");
    expected.push_back("DrawText 102 156 4");
    expected.push_back("SetFont Arial Black 9 255,0,0");
    expected.push_back("DrawText 102 171 12");
    expected.push_back("SetFont Arial Black 9 0,0,0");
    for (int cell = 3; cell <= 6; ++cell) {
        expected.push_back("DrawText 102 " + std::to_string(156 + 15 * (cell - 1)) + " -");
    }
    expected.push_back("SetFont Arial Black 9 255,0,0");
    expected.push_back("DrawText 102 246 21");
    expected.push_back("SetFont Arial Black 9 0,0,0");
    for (int cell = 8; cell <= 13; ++cell) {
        expected.push_back("DrawText 102 " + std::to_string(156 + 15 * (cell - 1)) + " -");
    }
    expected.push_back("DrawText 102 367 3");
    expected.push_back("DrawText 102 397 0");
    // Player 2's column at x = 237: never red, whatever ActiveSheet holds.
    for (int cell = 1; cell <= 13; ++cell) {
        expected.push_back("DrawText 237 " + std::to_string(156 + 15 * (cell - 1)) + " -");
    }
    expected.push_back("DrawText 237 367 3");
    expected.push_back("DrawText 237 397 0");
    EXPECT_THAT(Drawn(), ElementsAreArray(expected)) << Log().Text();
}

TEST_F(GameScreen, ReserveThrowsOfThePlayerOnTurnAreBlue) {
    StartGame(3);
    game::GameState& s = tmain_->State();
    s.CurrentPlayer = 2;
    s.Sheet(2).SetLine(game::TurnThrowsLine, "0");
    s.Sheet(2).SetLine(game::ReserveThrowsLine, "4");
    s.Sheet(1).SetLine(game::ReserveThrowsLine, "2");
    s.OnReserve = true;
    const auto calls = Drawn();
    auto before = [&](const std::string& text) {
        auto at = std::find(calls.begin(), calls.end(), text);
        EXPECT_NE(at, calls.end()) << text << " missing:\n" << Log().Text();
        EXPECT_NE(at, calls.begin());
        return at == calls.end() || at == calls.begin() ? std::string() : *(at - 1);
    };
    EXPECT_EQ(before("DrawText 237 367 4"), "SetFont Arial Black 9 0,0,255");
    EXPECT_EQ(before("DrawText 237 397 0"), "SetFont Arial Black 9 0,0,0");
    // Player 1 (not on turn) keeps black throws even while the reserve is in use.
    EXPECT_EQ(Log().Count("DrawText 102 367 5"), 1) << Log().Text();
    EXPECT_EQ(Log().Count("DrawImage 16 140 125 0"), 1) << "player 2's plate is marked";
    EXPECT_EQ(Log().Count("DrawImage 17 5 125 0"), 1);
    EXPECT_EQ(Log().Count("DrawImage 17 275 125 0"), 1);
}

TEST_F(GameScreen, NothingIsDrawnForPlayersBeyondTheCount) {
    StartGame(2);
    Drawn();
    EXPECT_EQ(Log().Count("DrawImage 16 275"), 0);
    EXPECT_EQ(Log().Count("DrawImage 17 275"), 0);
    EXPECT_EQ(Log().Count("DrawImage 17 410"), 0);
    EXPECT_EQ(Log().Count("DrawText 372"), 0);
    EXPECT_EQ(Log().Count("DrawText 507"), 0);
    EXPECT_EQ(Log().Count("DrawText 280"), 0);
    EXPECT_EQ(Log().Count("DrawText "), 2 + 2 * 15);
}

TEST_F(GameScreen, EndOfGameMarksEveryPlayerAndDrawsTheOutlinedLine) {
    StartGame(4);
    tmain_->SetCurrentScreen(game::Screen::GameEnd);
    tmain_->State().CurrentPlayer = 3;
    Drawn();
    for (int p = 1; p <= 4; ++p) {
        const int plateX = 5 + 135 * (p - 1);
        EXPECT_EQ(Log().Count("DrawImage 16 " + std::to_string(plateX) + " 125 0"), 1) << p;
    }
    EXPECT_EQ(Log().Count("DrawImage 17"), 0);
    EXPECT_EQ(Log().Count("SetFont Arial Black 12 0,128,0"), 4) << "every name green";

    Log().Clear();
    tmain_->DrawEndOfGameLine();
    // Best player by ranking value: all totals 0, so player 1 stays best.
    const std::string line = "Konec hry - pro pokračování klikni kamkoli ...Ann";
    const int width = services_.graphics().TextWidth(line);
    const int left = CentredTextStart(273, width);
    const std::string tail = " " + line;
    EXPECT_THAT(Log().Lines(),
                ElementsAre("SetFont Arial Black 12 255,0,0", "SetFont Arial Black 12 255,255,0",
                            "DrawText " + std::to_string(left) + " 249" + tail,
                            "DrawText " + std::to_string(left) + " 251" + tail,
                            "DrawText " + std::to_string(left - 1) + " 250" + tail,
                            "DrawText " + std::to_string(left + 1) + " 250" + tail,
                            "SetFont Arial Black 12 255,0,0",
                            "DrawText " + std::to_string(left) + " 250" + tail));
}

TEST(CentredText, HalvesRoundToEven) {
    struct Case {
        int width;
        int start;
    } cases[] = {{301, 123}, {303, 121}, {300, 123}, {0, 273}, {1, 273}, {3, 271}, {5, 271}};
    for (const auto& c : cases) {
        EXPECT_EQ(CentredTextStart(273, c.width), c.start) << "width " << c.width;
    }
}

TEST(EndOfGameLine, NamesTheWinnerAfterTheMessage) {
    EXPECT_EQ(EndOfGameLine(Language::Czech, ""), "Konec hry - pro pokračování klikni kamkoli ...");
    EXPECT_EQ(EndOfGameLine(Language::English, "Eva"),
              "End of game - to continue point enyone ...Eva");
}

} // namespace
} // namespace sixdice::ui
