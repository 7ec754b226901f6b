// The road through the screens: setup, the game start, the end of a game, the highscore, close
// requests, the exit and the music of each phase.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sixdice::ui {
namespace {

using game::Language;
using game::Screen;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testsupport::ScreenSession;

class ScreenFlow : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        ::unsetenv("SIXDICE_SCORE_SERVER");
    }
    testsupport::WorkingFolder folder_;
};

TEST_F(ScreenFlow, AClickActsWhereThePointerLastMovedNotWhereItWasReleased) {
    ScreenSession s(Language::Czech);
    s.Move(218, 45); // new game
    s.Press(5, 5);
    s.Release(5, 5);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::PlayerSetup);
    ScreenSession fresh(Language::Czech);
    fresh.Press(218, 45); // no movement yet: the click acts on (0, 0), in no area
    fresh.Release(218, 45);
    EXPECT_EQ(fresh.tmain().CurrentScreen(), Screen::Menu);
}

TEST_F(ScreenFlow, EnteringSetupSetsTheControlsOfTheLanguage) {
    for (const Language language : {Language::Czech, Language::English}) {
        ScreenSession s(language);
        s.ToSetup();
        const Tmain& t = s.tmain();
        const SetupControls& c = t.Setup();
        EXPECT_FALSE(t.CloseAllowed());
        EXPECT_EQ(t.State().PlayerCount, 1);
        EXPECT_TRUE(c.ButtonsVisible());
        EXPECT_TRUE(c.AddEnabled());
        EXPECT_FALSE(c.RemoveEnabled());
        EXPECT_TRUE(c.BoxVisible(1));
        EXPECT_FALSE(c.BoxVisible(2));
        EXPECT_EQ(c.FocusedBox(), 1);
        if (language == Language::Czech) {
            EXPECT_EQ(c.AddCaption(), "přidej hráče >>");
            EXPECT_EQ(c.RemoveCaption(), "<< uber hráče");
            EXPECT_EQ(c.Name(1), "hráč 1");
            EXPECT_EQ(c.Name(4), "hráč 4");
        } else {
            EXPECT_EQ(c.AddCaption(), "add player >>");
            EXPECT_EQ(c.RemoveCaption(), "<< rem player");
            EXPECT_EQ(c.Name(1), "Player 1");
            EXPECT_EQ(c.Name(4), "Player 4");
        }
        const auto calls = s.log().Lines();
        EXPECT_THAT(std::vector(calls.end() - 3, calls.end()),
                    ElementsAre("PlaySound 0", "DrawImage 6 0 0 0", "Present"));
    }
}

TEST_F(ScreenFlow, SetupBackHidesTheControlsAndKeepsTheNamesUntilSetupIsEnteredAgain) {
    ScreenSession s(Language::English);
    s.ToSetup();
    s.tmain().Setup().SetName(1, "Eva");
    s.Click(362, 282);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(s.tmain().CloseAllowed());
    EXPECT_FALSE(s.tmain().Setup().AnyVisible());
    EXPECT_EQ(s.tmain().Setup().Name(1), "Eva");
    s.ToSetup();
    EXPECT_EQ(s.tmain().Setup().Name(1), "Player 1");
}

TEST_F(ScreenFlow, StartingTheGameRunsItsStepsInOrder) {
    ScreenSession s(Language::Czech, {"menu.ogg", "hra.ogg"});
    s.ToSetup();
    s.AddPlayers(2);
    s.tmain().Setup().SetName(2, "Ája");
    s.log().Clear();
    s.Click(62, 262);
    const auto& calls = s.log().Lines();
    auto at = [&](const std::string& line) {
        return std::find(calls.begin(), calls.end(), line) - calls.begin();
    };
    // Music stopped before the new game, the large layout, the start sound with the pointer
    // hidden, then the game's music.
    EXPECT_LT(at("Music.Stop"), at("Window.SetLayout large"));
    EXPECT_LT(at("Window.SetLayout large"), at("PlaySound 0"));
    EXPECT_LT(at("PlaySound 0"), at("DrawImage 15 0 0 0"));
    EXPECT_LT(at("DrawImage 15 0 0 0"), at("Pointer.Hide"));
    EXPECT_LT(at("Pointer.Hide"), at("PlaySound 11 wait"));
    EXPECT_LT(at("PlaySound 11 wait"), at("Pointer.Show"));
    EXPECT_LT(at("Pointer.Show"), at("Music.Open hudba/hra.ogg"));
    EXPECT_LT(at("Music.Open hudba/hra.ogg"), std::ptrdiff_t(calls.size()));
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    EXPECT_FALSE(s.tmain().HighlightShown());
    EXPECT_FALSE(s.tmain().Setup().AnyVisible());
    EXPECT_TRUE(s.tmain().MusicOn());
    EXPECT_EQ(s.services().window().CurrentLayout(), media::Layout::Large);
    EXPECT_EQ(s.tmain().State().PlayerCount, 2);
    EXPECT_EQ(s.tmain().State().Sheet(1).PlayerName(), "hráč 1");
    EXPECT_EQ(s.tmain().State().Sheet(2).PlayerName(), "Ája");
    EXPECT_EQ(s.tmain().State().CurrentPlayer, 1);
}

TEST_F(ScreenFlow, AnEmptyVisibleNameBoxRefusesTheStartSilently) {
    ScreenSession s(Language::English);
    s.ToSetup();
    s.AddPlayers(2);
    s.tmain().Setup().SetName(2, "");
    s.log().Clear();
    s.Click(62, 266);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::PlayerSetup);
    EXPECT_EQ(s.log().Count("PlaySound 0"), 0) << s.log().Text();
    EXPECT_EQ(s.log().Count("PlaySound 11"), 0) << s.log().Text();
    // With one player the hidden second box holds its default name again, so the start works.
    s.tmain().BMinusClick();
    s.Click(62, 266);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    EXPECT_EQ(s.tmain().State().PlayerCount, 1);
}

TEST_F(ScreenFlow, ASpaceIsAName) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.AddPlayers(2);
    s.tmain().Setup().SetName(1, " ");
    s.tmain().Setup().SetName(2, " ");
    s.Click(62, 262);
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    EXPECT_EQ(s.tmain().State().Sheet(1).PlayerName(), " ");
    EXPECT_EQ(s.tmain().State().Sheet(2).PlayerName(), " ");
}

TEST_F(ScreenFlow, AnAbandonedGamesOffersAreClearedBeforeTheNextGame) {
    ScreenSession s(Language::Czech);
    s.StartGame(1);
    s.tmain().State().Dice = {2, 2, 2, 2, 3, 5};
    s.tmain().State().Entry(2) = 8;
    s.CloseRequest();
    s.StartGame(1);
    for (int cell = 1; cell <= game::CellCount; ++cell) {
        EXPECT_LE(s.tmain().State().Entry(cell), 0) << "cell " << cell;
    }
}

TEST_F(ScreenFlow, TheEndOfAGameLeadsToTheHighscoreOnAClick) {
    ScreenSession s(Language::Czech, {"menu.ogg", "hra.ogg"});
    s.StartGame(1);
    s.FinishGame();
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::GameEnd);
    EXPECT_FALSE(s.tmain().MusicOn()) << "the end of a game is silent";
    EXPECT_EQ(s.log().Count("PlaySound 6"), 1);
    s.log().Clear();
    s.Click(300, 300);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Highscore);
    EXPECT_EQ(s.services().window().CurrentLayout(), media::Layout::Small);
    const auto& calls = s.log().Lines();
    const auto sound = std::find(calls.begin(), calls.end(), "PlaySound 7");
    const auto layout = std::find(calls.begin(), calls.end(), "Window.SetLayout small");
    EXPECT_LT(sound, layout) << "sound 7, then the highscore\n" << s.log().Text();
    EXPECT_FALSE(s.tmain().Highscore().ScoreSent);
    EXPECT_FALSE(s.tmain().MusicOn());
    EXPECT_FALSE(s.tmain().CloseAllowed());
}

TEST_F(ScreenFlow, TheHighscoreShowsTheBestPlayerCentredInWhite) {
    ScreenSession s(Language::English);
    s.StartGame(2);
    game::GameState& state = s.tmain().State();
    // A higher total does not always win: 180 points in 36 throws rank 5 x 180 = 900, 200
    // points in 60 throws 3 x 200 = 600.
    state.Sheet(1).SetNumber(game::TotalLine, 180);
    state.Sheet(1).SetNumber(game::ThrowCountLine, 36);
    state.Sheet(2).SetNumber(game::TotalLine, 200);
    state.Sheet(2).SetNumber(game::ThrowCountLine, 60);
    s.log().Clear();
    s.tmain().ShowHighscore();
    EXPECT_EQ(s.tmain().Highscore().BestName, "Player 1");
    EXPECT_EQ(s.tmain().Highscore().BestValue, 900);
    const auto texts = s.log().Matching("DrawText");
    ASSERT_EQ(texts.size(), 2u) << s.log().Text();
    const std::string line = "Most points of all gained Player 1";
    // The double measures each character as points * 2 / 3 pixels: 34 characters at 12 points.
    const int width = 34 * 8;
    EXPECT_EQ(texts[0], "DrawText " + std::to_string(200 - width / 2) + " 120 " + line);
    EXPECT_EQ(texts[1], "DrawText " + std::to_string(200 - 3 * 16 * 2 / 3 / 2) + " 160 900");
    EXPECT_EQ(s.log().Count("SetFont Arial Black 12 255,255,255"), 1);
    EXPECT_EQ(s.log().Count("SetFont Arial Black 16 255,255,255"), 1);
    EXPECT_EQ(s.log().Lines().back(), "Present");
}

TEST_F(ScreenFlow, TiesKeepTheLowerNumberedPlayerAndANewGameReplacesTheBest) {
    ScreenSession s(Language::Czech);
    s.StartGame(2);
    game::GameState& state = s.tmain().State();
    for (int p = 1; p <= 2; ++p) {
        state.Sheet(p).SetNumber(game::TotalLine, 150);
        state.Sheet(p).SetNumber(game::ThrowCountLine, 60);
    }
    s.tmain().ShowHighscore();
    EXPECT_EQ(s.tmain().Highscore().BestName, "hráč 1");
    EXPECT_EQ(s.tmain().Highscore().BestValue, 300) << "2.5 rounds to 2";
    state.Sheet(1).SetNumber(game::TotalLine, 10);
    state.Sheet(1).SetNumber(game::ThrowCountLine, 10);
    state.Sheet(2).SetNumber(game::TotalLine, 12);
    state.Sheet(2).SetNumber(game::ThrowCountLine, 12);
    s.tmain().ShowHighscore();
    EXPECT_EQ(s.tmain().Highscore().BestName, "hráč 2");
    EXPECT_EQ(s.tmain().Highscore().BestValue, 12) << "a lower best replaces the earlier one";
}

TEST_F(ScreenFlow, TheEndOfGameLineNamesTheWinnerOfTheGameJustEnded) {
    ScreenSession s(Language::Czech);
    s.StartGame(1);
    s.FinishGame();
    const auto texts = s.log().Matching("DrawText");
    ASSERT_FALSE(texts.empty());
    EXPECT_THAT(texts.back(), HasSubstr("Konec hry - pro pokračování klikni kamkoli ...hráč 1"));
}

TEST_F(ScreenFlow, SendingOnceThenTheSecondSendIsRefused) {
    ScreenSession s(Language::Czech);
    s.ToHighscore();
    s.Click(93, 285);
    ASSERT_TRUE(s.tmain().Email().Visible());
    EXPECT_EQ(s.tmain().Email().SendCaption(), "Poslat");
    EXPECT_EQ(s.tmain().Email().LabelCaption(), "Váš e-mail:");
    EXPECT_EQ(s.tmain().Email().EmailText(), "");
    s.tmain().Email().SetEmailText("eva@example.cz");
    s.tmain().Email().SubmitScore();
    EXPECT_FALSE(s.tmain().Email().Visible());
    EXPECT_TRUE(s.tmain().Highscore().ScoreSent);
    const auto opened = s.log().Matching("Shell.Open http://127.0.0.1:8043/savescore.php?gid=43");
    ASSERT_EQ(opened.size(), 1u) << s.log().Text();
    EXPECT_THAT(opened[0], HasSubstr("&player=hr%E1%E8%20"
                                     "1&score="));
    EXPECT_THAT(opened[0], HasSubstr("&email=eva%40example.cz&rand="));
    s.Move(93, 285);
    s.log().Clear();
    s.Click(93, 285);
    EXPECT_THAT(s.log().Matching("PlaySound"), ElementsAre("PlaySound 3"));
    EXPECT_FALSE(s.tmain().Email().Visible());
}

TEST_F(ScreenFlow, TheFormTakesAllInputOfTheMainWindowWhileItIsShown) {
    ScreenSession s(Language::English);
    s.ToHighscore();
    s.Click(84, 285);
    ASSERT_TRUE(s.tmain().Email().Visible());
    s.log().Clear();
    s.Click(363, 284); // back to menu: ignored
    s.CloseRequest();  // ignored
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Highscore);
    EXPECT_EQ(s.log().Count("PlaySound"), 0) << s.log().Text();
    s.tmain().Email().Cancel();
    EXPECT_FALSE(s.tmain().Highscore().ScoreSent) << "closing the form sends nothing";
    s.Click(84, 285);
    EXPECT_TRUE(s.tmain().Email().Visible()) << "the form can be opened again";
    EXPECT_EQ(s.tmain().Email().EmailText(), "");
}

TEST_F(ScreenFlow, CloseRequestsByScreen) {
    ScreenSession s(Language::Czech, {"menu.ogg", "hra.ogg"});
    s.ToSetup();
    s.CloseRequest();
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::PlayerSetup) << "refused on setup";
    EXPECT_FALSE(s.tmain().Closed());
    s.Click(62, 262);
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    s.log().Clear();
    s.CloseRequest(); // abandons the game
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(s.tmain().CloseAllowed());
    EXPECT_FALSE(s.tmain().Closed());
    EXPECT_EQ(s.services().window().CurrentLayout(), media::Layout::Small);
    EXPECT_THAT(s.log().Lines(),
                ElementsAre("PlaySound 0", "Window.SetLayout small", "DrawImage 0 0 0 0", "Present",
                            "Music.SetFileName hudba/menu.ogg", "Music.Open hudba/menu.ogg",
                            "Music.Play"));
    s.CloseRequest(); // now on the menu: the window closes with the farewell
    EXPECT_TRUE(s.tmain().Closed());
    EXPECT_THAT(std::vector(s.log().Lines().end() - 7, s.log().Lines().end()),
                ElementsAre("Music.Stop", "Music.Close", "Pointer.Hide", "DrawImage 5 0 0 0",
                            "Present", "PlaySound 2 wait", "Pointer.Show"));
}

TEST_F(ScreenFlow, TheSystemsRequestEndsEveryScreenAtOnceWithoutTheFarewell) {
    // Where a close request is refused, turned into a way back or ignored, the system's request
    // ends the program: music off, nothing drawn, no sound waited for.
    const std::vector<std::pair<const char*, std::function<void(ScreenSession&)>>> roads = {
        {"menu", [](ScreenSession&) {}},
        {"setup", [](ScreenSession& s) { s.ToSetup(); }},
        {"game", [](ScreenSession& s) { s.StartGame(2); }},
        {"game end",
         [](ScreenSession& s) {
             s.StartGame(1);
             s.FinishGame();
         }},
        {"e-mail form",
         [](ScreenSession& s) {
             s.ToHighscore();
             s.Click(84, 285);
             ASSERT_TRUE(s.tmain().Email().Visible());
         }},
    };
    for (const auto& [name, road] : roads) {
        SCOPED_TRACE(name);
        ScreenSession s(Language::Czech, {"menu.ogg", "hra.ogg"});
        road(s);
        const bool musicWasOn = s.tmain().MusicOn();
        s.log().Clear();
        s.TerminateRequest();
        EXPECT_TRUE(s.tmain().Closed());
        EXPECT_FALSE(s.tmain().MusicOn());
        if (musicWasOn) {
            EXPECT_THAT(s.log().Lines(), ElementsAre("Music.Stop", "Music.Close"));
        } else {
            EXPECT_THAT(s.log().Lines(), ElementsAre());
        }
    }
}

TEST_F(ScreenFlow, CloseOnTheEndScreenShowsTheHighscoreWithoutClearingTheSentFlag) {
    ScreenSession s(Language::English);
    s.ToHighscore();
    s.Click(84, 285);
    s.tmain().Email().SubmitScore();
    ASSERT_TRUE(s.tmain().Highscore().ScoreSent);
    s.Click(363, 284);
    s.StartGame(1);
    s.FinishGame();
    s.log().Clear();
    s.CloseRequest();
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Highscore);
    EXPECT_FALSE(s.tmain().Closed());
    EXPECT_EQ(s.log().Count("PlaySound 7"), 0);
    EXPECT_TRUE(s.tmain().Highscore().ScoreSent);
    s.Move(84, 285);
    s.log().Clear();
    s.Click(84, 285);
    EXPECT_THAT(s.log().Matching("PlaySound"), ElementsAre("PlaySound 3"));
    s.CloseRequest();
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Highscore) << "refused on the highscore";
}

TEST_F(ScreenFlow, MusicByPhase) {
    ScreenSession s(Language::Czech, {"menu.ogg", "hra.ogg"});
    EXPECT_EQ(s.services().music().FileName(), "hudba/menu.ogg");
    s.StartGame(1);
    EXPECT_EQ(s.services().music().FileName(), "hudba/hra.ogg");
    EXPECT_TRUE(s.tmain().MusicOn());
    s.FinishGame();
    EXPECT_FALSE(s.tmain().MusicOn());
    s.Click(10, 10);
    s.Click(338, 285); // back to the menu: the menu piece from its start
    EXPECT_TRUE(s.tmain().MusicOn());
    EXPECT_EQ(s.services().music().FileName(), "hudba/menu.ogg");
    EXPECT_EQ(s.services().music().Position(), 0);
}

TEST_F(ScreenFlow, GameMusicGoesOnOnAMenuWithoutMusic) {
    ScreenSession s(Language::Czech, {"0", "hra.ogg"});
    s.StartGame(1);
    ASSERT_TRUE(s.tmain().MusicOn());
    s.CloseRequest();
    EXPECT_TRUE(s.tmain().MusicOn());
    EXPECT_TRUE(s.services().music().IsPlaying());
    EXPECT_EQ(s.services().music().FileName(), "hudba/hra.ogg");
}

TEST_F(ScreenFlow, AMenuPieceThatFailsAfterAnAbandonedGameLeavesTheMusicOff) {
    ScreenSession s(Language::Czech, {"broken.ogg", "hra.ogg"});
    s.services().FailMusicOpen("hudba/broken.ogg", "not an Ogg file");
    s.StartGame(1);
    ASSERT_TRUE(s.tmain().MusicOn());
    s.CloseRequest();
    EXPECT_FALSE(s.tmain().MusicOn()) << "the restart loop must not ask a closed player";
    const auto boxes = s.log().Matching("MessageBox ");
    ASSERT_EQ(boxes.size(), 1u) << s.log().Text();
    EXPECT_NE(boxes[0].find("\nnot an Ogg file"), std::string::npos) << "the player's words";
    s.tmain().TimerTimer();
}

TEST_F(ScreenFlow, TheExitAreaPlaysTheClickToItsEndThenTheFarewell) {
    ScreenSession s(Language::English, {"menu.ogg", "0"});
    s.log().Clear();
    s.Click(60, 220);
    EXPECT_TRUE(s.tmain().Closed());
    auto calls = s.log().Lines();
    calls.erase(std::remove(calls.begin(), calls.end(), "PlaySound 1"), calls.end());
    const auto first = std::find(calls.begin(), calls.end(), "PlaySound 0 wait");
    ASSERT_NE(first, calls.end()) << s.log().Text();
    EXPECT_THAT(std::vector(first, calls.end()),
                ElementsAre("PlaySound 0 wait", "Music.Stop", "Music.Close", "Pointer.Hide",
                            "DrawImage 5 0 0 0", "Present", "PlaySound 2 wait", "Pointer.Show"));
}

TEST_F(ScreenFlow, TheLanguageFlagSwitchesTheImagesCaptionAndTextsButNotTheSounds) {
    ScreenSession s(Language::Czech);
    s.log().Clear();
    s.Click(10, 290);
    EXPECT_EQ(s.tmain().CurrentLanguage(), Language::English);
    EXPECT_EQ(s.services().window().Caption(), "Six Dice");
    EXPECT_EQ(s.log().Count("SetImageList 28"), 1);
    EXPECT_EQ(s.log().Count("SetSoundList"), 0);
    EXPECT_EQ(s.log().Count("PlaySound 8"), 1);
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Menu);
    EXPECT_THAT(std::vector(s.log().Lines().end() - 2, s.log().Lines().end()),
                ElementsAre("DrawImage 0 0 0 0", "Present"));
    s.ToSetup();
    EXPECT_EQ(s.tmain().Setup().Name(1), "Player 1") << "setup now speaks English";
    s.Click(362, 282);
    s.Click(10, 290);
    EXPECT_EQ(s.tmain().CurrentLanguage(), Language::Czech);
    EXPECT_EQ(s.services().window().Caption(), "Šest kostek");
}

TEST_F(ScreenFlow, AGraphicsFileThatCannotBeLoadedKeepsTheLanguage) {
    ScreenSession s(Language::Czech);
    std::filesystem::remove("grafika_en.zrk");
    s.log().Clear();
    s.Click(10, 290);
    EXPECT_EQ(s.tmain().CurrentLanguage(), Language::Czech);
    EXPECT_EQ(s.log().Count("MessageBox"), 1) << s.log().Text();
    EXPECT_EQ(s.services().window().Caption(), "Šest kostek");
}

TEST_F(ScreenFlow, ThePassButtonAndDiceOnTheGameScreen) {
    ScreenSession s(Language::Czech);
    s.StartGame(2);
    s.Click(25, 67); // die 1 before the first throw: nothing
    EXPECT_FALSE(s.tmain().State().Held(1));
    EXPECT_EQ(s.log().Count("PlaySound 12"), 0);
    s.Click(152, 103); // throw
    EXPECT_EQ(s.tmain().State().Sheet(1).ThrowCount(), 1);
    s.Click(25, 67);
    EXPECT_TRUE(s.tmain().State().Held(1));
    s.Click(25, 67);
    EXPECT_FALSE(s.tmain().State().Held(1)) << "a second click releases the die";
    s.Click(424, 54); // pass after one throw
    EXPECT_EQ(s.tmain().State().CurrentPlayer, 2);
    EXPECT_EQ(s.tmain().State().Sheet(1).ThrowCount(), 3);
    EXPECT_EQ(s.tmain().State().Sheet(1).ReserveThrows(), 2);
}

TEST_F(ScreenFlow, AStuckSinglePlayerWaitsOneSecondOnTheWaitScreen) {
    ScreenSession s(Language::English);
    s.StartGame(1);
    game::GameState& state = s.tmain().State();
    // Every cell but Straight written; three throws of one face offer nothing there.
    for (int cell = 1; cell <= game::CellCount; ++cell) {
        if (cell != 7) {
            state.Sheet(1).SetNumber(game::CellLine(cell), 5);
        }
    }
    for (int i = 0; i < 3; ++i) {
        s.Click(145, 101);
    }
    // The session's clock stands still, so every throw shows the same dice: no straight.
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Wait) << s.log().Text();
    EXPECT_FALSE(s.services().pointer().IsVisible());
    s.log().Clear();
    s.Click(145, 101);
    s.Move(424, 54);
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present", "Present"))
        << "the wait screen ignores input";
    s.services().AdvanceClock(1000);
    s.tmain().RunDueTimers(s.services().Now());
    EXPECT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    EXPECT_TRUE(s.services().pointer().IsVisible());
    EXPECT_EQ(state.Sheet(1).TurnThrows(), 3);
}

} // namespace
} // namespace sixdice::ui
