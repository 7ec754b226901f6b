// The state of a running game: players, sheets, the dice, holds and what the current throw offers.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/PlayerSheet.h"

#include <array>
#include <string>

namespace sixdice::game {

inline constexpr int MaxPlayers = 4;
inline constexpr int DiceCount = 6;

// Entries of ActiveSheet: 0 = written, -1 = free but not scored by this throw, n > 0 = offered.
inline constexpr int WrittenEntry = 0;
inline constexpr int FreeEntry = -1;

// Owned by the main window for the whole run. Players, dice and cells are numbered from 1 in
// the game; the arrays are indexed from 0, so die i is Dice[i - 1] and cell k is ActiveSheet[k -
// 1]. Use the accessors below to stay with the game's numbering.
struct GameState {
    int PlayerCount = 0;   // 1..4 during a game; 0 before the first game
    int CurrentPlayer = 0; // 1..PlayerCount; 0 before the first game
    std::array<PlayerSheet, MaxPlayers> PlayerSheets{};
    std::array<int, DiceCount> Dice{};     // 0 = not thrown in this turn, else 1..6
    std::array<bool, DiceCount> DieHeld{}; // held dice keep their face at the next throw
    std::array<int, CellCount> ActiveSheet{};
    int KindFace = 0; // face of the last four-or-more credited to its face cell this turn
    bool OnReserve = false;
    bool GameOver = false;

    PlayerSheet& Sheet(int player) { return PlayerSheets[player - 1]; }
    const PlayerSheet& Sheet(int player) const { return PlayerSheets[player - 1]; }
    // The sheet of the player on turn; only valid while CurrentPlayer is 1..4.
    PlayerSheet& CurrentSheet() { return Sheet(CurrentPlayer); }
    const PlayerSheet& CurrentSheet() const { return Sheet(CurrentPlayer); }

    int& Die(int i) { return Dice[i - 1]; }
    int Die(int i) const { return Dice[i - 1]; }
    bool Held(int i) const { return DieHeld[i - 1]; }

    int& Entry(int cell) { return ActiveSheet[cell - 1]; }
    int Entry(int cell) const { return ActiveSheet[cell - 1]; }
    int& Entry(Cell cell) { return Entry(static_cast<int>(cell)); }
    int Entry(Cell cell) const { return Entry(static_cast<int>(cell)); }

    friend bool operator==(const GameState&, const GameState&) = default;
};

// Starts a game: resets the turn state, empties all four sheets and builds sheets
// 1..playerCount from the names (the others stay empty). ActiveSheet is left as it was;
// it offers nothing (ThrowDice loads it before every throw).
void NewGame(GameState& state, int playerCount, const std::array<std::string, MaxPlayers>& names);

// Entry k := -1 when cell k of the current player is free, else 0. Does nothing while nobody
// is on turn (CurrentPlayer 0, before the first game).
void LoadActiveSheet(GameState& state);

} // namespace sixdice::game
