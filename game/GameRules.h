// The turn operations: throwing, holding, writing, passing, the stuck test and its timer.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "game/GameHost.h"
#include "game/GameState.h"
#include "game/Random.h"

namespace sixdice::game {

// Runs the rules on a game state the window owns, through the window's host services.
// Every operation runs to its end on the caller's thread (sounds may block inside the host).
class GameRules {
public:
    GameRules(GameState& state, GameHost& host, const Clock& clock)
        : state_(state), host_(host), clock_(clock) {}

    // The throw button: animation, new faces for the dice not held, throw accounting,
    // evaluation, redraw and present, then the stuck test of a single player.
    void ThrowDice();
    // A click on die i (1..6): toggles its hold marker; nothing before the die is thrown.
    void ToggleHold(int die);
    // Runs first on every click on the game screen: writes the offered value of the current
    // player's cell under (mouseX, mouseY) and passes the turn. Returns whether a cell was written.
    bool WriteResult(int mouseX, int mouseY);
    // The pass button: the turn's left-over throws count as thrown, then the turn passes.
    void SkipTurn();
    // Ends the turn: bookkeeping, rotation, end-of-game test and settlement, redraw and present.
    void PassTurn();
    // The one-second timer of the stuck single player has fired (DXTimerTimer).
    void PassTimerExpired();

    // True when the single player can neither throw nor write anything (the "čekej" condition).
    bool IsStuck() const;

    Random& Generator() { return random_; }

private:
    GameState& state_;
    GameHost& host_;
    const Clock& clock_;
    Random random_;
};

} // namespace sixdice::game
