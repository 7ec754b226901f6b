// The turn flow: throwing and holding, writing a result, passing, the end of the game.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"

#include "game/GameRects.h"
#include "game/MediaNumbers.h"
#include "game/Scoring.h"

#include <algorithm>

namespace sixdice::game {

namespace mn = media_numbers;

namespace {

int DieX(int die) {
    return 50 * (die - 1);
}
int MarkerX(int die) {
    return 10 + 50 * (die - 1);
}
constexpr int MarkerY = 52;

bool HasPlayerOnTurn(const GameState& state) {
    return state.PlayerCount >= 1 && state.PlayerCount <= MaxPlayers && state.CurrentPlayer >= 1 &&
           state.CurrentPlayer <= state.PlayerCount;
}

} // namespace

void GameRules::ThrowDice() {
    if (!HasPlayerOnTurn(state_)) {
        return;
    }
    LoadActiveSheet(state_);
    host_.ClearHighlight();

    PlayerSheet& sheet = state_.CurrentSheet();
    const int available = sheet.TurnThrows() + sheet.ReserveThrows();
    const bool allHeld =
        std::all_of(state_.DieHeld.begin(), state_.DieHeld.end(), [](bool held) { return held; });

    if (available < 1 || allHeld) {
        host_.PlaySound(mn::RefusalSound, false);
    } else {
        // The dice in motion, with the held dice lying still over them.
        host_.DrawImage(mn::ThrowPicture, 0, 0);
        for (int i = 1; i <= DiceCount; ++i) {
            if (state_.Held(i)) {
                host_.DrawImage(mn::DieFaceBase + state_.Die(i), DieX(i), 0);
            }
        }
        host_.Present();
        host_.PlaySound(mn::RollingSound, true);

        random_.Reseed(clock_);
        for (int i = 1; i <= DiceCount; ++i) {
            if (!state_.Held(i)) {
                state_.Die(i) = random_.NextFace();
            }
        }

        // The turn's own throws go first, then the banked ones.
        const int turnThrows = sheet.TurnThrows();
        const int throwCount = sheet.ThrowCount();
        if (turnThrows > 0) {
            if (turnThrows - 1 == 0) {
                state_.OnReserve = true;
            }
            sheet.SetNumber(TurnThrowsLine, turnThrows - 1);
            sheet.SetNumber(ThrowCountLine, throwCount + 1);
        } else {
            const int reserve = sheet.ReserveThrows();
            if (reserve > 0) {
                sheet.SetNumber(ReserveThrowsLine, reserve - 1);
                sheet.SetNumber(ThrowCountLine, throwCount + 1);
            }
        }
    }

    // A refused throw re-evaluates and redraws the unchanged dice as well.
    EvaluateThrow(state_);
    host_.DrawGameScreen();
    host_.Present();

    if (IsStuck()) {
        host_.SetCurrentScreen(Screen::Wait);
        host_.HidePointer();
        host_.StartPassTimer();
    }
}

void GameRules::ToggleHold(int die) {
    if (die < 1 || die > DiceCount || state_.Die(die) == 0) {
        return;
    }
    const bool held = state_.Held(die);
    host_.PlaySound(mn::HoldSound, false);
    host_.DrawImage(held ? mn::NotHeldMarker : mn::HeldMarker, MarkerX(die), MarkerY);
    state_.DieHeld[die - 1] = !held;
}

bool GameRules::WriteResult(int mouseX, int mouseY) {
    if (!HasPlayerOnTurn(state_)) {
        return false;
    }
    for (int cell = 1; cell <= CellCount; ++cell) {
        const int offered = state_.Entry(cell);
        if (offered > 0 && SheetCell(state_.CurrentPlayer, cell).Contains(mouseX, mouseY)) {
            host_.PlaySound(mn::ResultWrittenSound, false);
            state_.CurrentSheet().SetNumber(CellLine(cell), offered);
            PassTurn();
            return true;
        }
    }
    return false;
}

void GameRules::SkipTurn() {
    if (!HasPlayerOnTurn(state_)) {
        return;
    }
    host_.PlaySound(mn::ConfirmSound, false);
    PlayerSheet& sheet = state_.CurrentSheet();
    // The throws left over in this turn count as thrown.
    sheet.SetNumber(ThrowCountLine, sheet.ThrowCount() + sheet.TurnThrows());
    PassTurn();
}

void GameRules::PassTurn() {
    if (!HasPlayerOnTurn(state_)) {
        return;
    }
    host_.StopPassTimer();
    state_.OnReserve = false;
    state_.KindFace = 0;
    state_.Dice.fill(0);
    state_.DieHeld.fill(false);

    // Left-over throws are banked; the next turn starts with three.
    PlayerSheet& played = state_.CurrentSheet();
    played.SetNumber(ReserveThrowsLine, played.ReserveThrows() + played.TurnThrows());
    played.SetLine(TurnThrowsLine, "3");
    played.SetNumber(TotalLine, played.CellSum());

    state_.CurrentPlayer =
        state_.CurrentPlayer == state_.PlayerCount ? 1 : state_.CurrentPlayer + 1;
    LoadActiveSheet(state_);

    // The game ends as soon as any one sheet is full.
    state_.GameOver = false;
    for (int p = 1; p <= state_.PlayerCount; ++p) {
        if (state_.Sheet(p).IsFull()) {
            state_.GameOver = true;
        }
    }

    if (state_.GameOver) {
        host_.StopMusic();
        host_.PlaySound(mn::GameEndSound, false);
        host_.SetCurrentScreen(Screen::GameEnd);
        // Every banked throw is worth one point.
        for (int p = 1; p <= state_.PlayerCount; ++p) {
            PlayerSheet& sheet = state_.Sheet(p);
            sheet.SetNumber(TotalLine, sheet.Total() + sheet.ReserveThrows());
            sheet.SetLine(TurnThrowsLine, "0");
            sheet.SetLine(ReserveThrowsLine, "0");
        }
    }

    host_.DrawGameScreen();
    if (state_.GameOver) {
        host_.DrawEndOfGameLine();
    }
    host_.ClearHighlight();
    host_.Present();
}

void GameRules::PassTimerExpired() {
    host_.StopPassTimer();
    PassTurn();
    host_.PlaySound(mn::ConfirmSound, true);
    host_.SetCurrentScreen(Screen::Game);
    host_.ShowPointer();
}

bool GameRules::IsStuck() const {
    if (state_.PlayerCount != 1 || state_.CurrentPlayer != 1) {
        return false;
    }
    const bool nothingOffered = std::all_of(state_.ActiveSheet.begin(), state_.ActiveSheet.end(),
                                            [](int entry) { return entry <= 0; });
    const PlayerSheet& sheet = state_.Sheet(1);
    return nothingOffered && sheet.Line(TurnThrowsLine) == "0" &&
           sheet.Line(ReserveThrowsLine) == "0";
}

} // namespace sixdice::game
