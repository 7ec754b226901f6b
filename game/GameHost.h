// What the rules ask of the window: drawing, sounds, the screen, the pointer, the timer and music.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Screen.h"

namespace sixdice::game {

// The main window implements this; the rules call it in the order the game's turn flow gives.
// Tests replace it with game/testing/RecordingHost.h, which keeps the sequence of calls.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Frame 0 of image `image` with its top-left corner at (x, y) on the off-screen surface.
    virtual void DrawImage(int image, int x, int y) = 0;
    // Release the text canvas if text was drawn, then show the off-screen surface.
    virtual void Present() = 0;
    // Start sound `sound`; with waitToEnd the call blocks until it has finished.
    virtual void PlaySound(int sound, bool waitToEnd) = 0;

    // Draw the whole game screen from the game state and the current screen; no presenting.
    virtual void DrawGameScreen() = 0;
    // Draw the end-of-game line over the game screen; the window takes the winner it names from
    // the best player of the game that has just ended (scores/BestPlayer.h). No presenting.
    virtual void DrawEndOfGameLine() = 0;

    // The screen the window shows; the rules switch it to Wait, Game and GameEnd.
    virtual Screen CurrentScreen() const = 0;
    virtual void SetCurrentScreen(Screen screen) = 0;

    // HighlightShown := false: the hover highlight is treated as gone (nothing is drawn here).
    virtual void ClearHighlight() = 0;

    // Counted hide and show of the mouse pointer.
    virtual void HidePointer() = 0;
    virtual void ShowPointer() = 0;

    // The one-shot 1000 ms forced-pass timer; when it fires the window calls
    // GameRules::PassTimerExpired. Stopping a timer that does not run does nothing.
    virtual void StartPassTimer() = 0;
    virtual void StopPassTimer() = 0;

    // Stop the music if it plays (MusicOn := false); does nothing when it is off.
    virtual void StopMusic() = 0;
};

} // namespace sixdice::game
