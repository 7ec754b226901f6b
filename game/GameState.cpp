// Starting a game and deriving the current player's free and written cells.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameState.h"

namespace sixdice::game {

void NewGame(GameState& state, int playerCount, const std::array<std::string, MaxPlayers>& names) {
    state.OnReserve = false;
    state.KindFace = 0;
    state.CurrentPlayer = 1;
    state.Dice.fill(0);
    state.DieHeld.fill(false);
    // Nothing reads GameOver before the first pass sets it; clearing it keeps a new game's
    // state from looking finished.
    state.GameOver = false;
    for (PlayerSheet& sheet : state.PlayerSheets) {
        sheet.Clear();
    }
    state.PlayerCount = playerCount;
    for (int p = 1; p <= playerCount && p <= MaxPlayers; ++p) {
        state.Sheet(p) = PlayerSheet::Fresh(names[static_cast<std::size_t>(p - 1)]);
    }
}

void LoadActiveSheet(GameState& state) {
    if (state.CurrentPlayer < 1 || state.CurrentPlayer > MaxPlayers) {
        return;
    }
    const PlayerSheet& sheet = state.CurrentSheet();
    for (int cell = 1; cell <= CellCount; ++cell) {
        state.Entry(cell) = sheet.IsFree(cell) ? FreeEntry : WrittenEntry;
    }
}

} // namespace sixdice::game
