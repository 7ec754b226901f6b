// A main window started on the recording double and driven by events, the way the message loop
// drives it, with the ways a player reaches each screen.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "game/Language.h"
#include "media/testing/RecordingServices.h"
#include "ui/uMain.h"

#include <memory>
#include <string>
#include <vector>

namespace sixdice::testsupport {

// Points inside the areas the sessions click to move between screens (centres of their click
// rectangles in each language).
struct NavigationPoints {
    int newGameX, newGameY;
    int startX, startY;
    int setupBackX, setupBackY;
    int throwX, throwY;
    int passX, passY;
    int sendX, sendY;
    int backToMenuX, backToMenuY;
};
const NavigationPoints& PointsOf(game::Language language);

class ScreenSession {
public:
    // Starts a window in the current folder's files (write them first) with the settings lines;
    // the third line is set from the language. The window is shown and its first frame drawn.
    explicit ScreenSession(game::Language language, std::vector<std::string> settings = {"0", "0"});

    ui::Tmain& tmain() { return *tmain_; }
    media::testing::RecordingServices& services() { return services_; }
    media::testing::CallLog& log() { return services_.log(); }
    game::FixedClock& clock() { return clock_; }
    game::Language language() const { return language_; }

    // Events as the loop hands them over; a movement is followed by the loop's present.
    void Handle(const media::InputEvent& event);
    void Move(int x, int y);
    void Press(int x, int y);   // left button down
    void Release(int x, int y); // left button up, and the click the release makes
    void Click(int x, int y);   // move there, press, release
    void Key(media::Key key, media::Modifiers modifiers = {});
    void Type(const std::string& utf8); // the text typed, then the key release
    void CloseRequest();
    void TerminateRequest(); // the system ends the program (a signal, the session's end)

    // The roads a player takes.
    void ToSetup();
    void AddPlayers(int players); // on setup: the add button until `players` boxes show
    void StartGame(int players);  // from the menu
    // Fills every cell of the player on turn but the last and offers 30 there; a click on it
    // ends the game.
    void OfferLastCell();
    void FinishGame();  // from the game screen, by writing the last cell
    void ToHighscore(); // from the menu: a one-player game played to its end and the click on
                        // the end screen
    // From the menu to `screen` by the roads above (a game of `players`), then the log cleared.
    void Reach(game::Screen screen, int players = 1);

private:
    game::Language language_;
    media::testing::RecordingServices services_;
    game::FixedClock clock_{game::TimeOfDay(12, 0, 0, 0)};
    std::unique_ptr<ui::Tmain> tmain_;
};

} // namespace sixdice::testsupport
