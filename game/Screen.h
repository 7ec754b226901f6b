// The six screens of the program; the window keeps the current one, the rules read and switch it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::game {

// "menu", "výběr hráčů", "hra", "čekej", "konec hry", "highscore".
enum class Screen {
    Menu,        // "menu"
    PlayerSetup, // "výběr hráčů"
    Game,        // "hra"
    Wait,        // "čekej": the stuck single player's one-second wait
    GameEnd,     // "konec hry"
    Highscore,   // "highscore"
};

} // namespace sixdice::game
