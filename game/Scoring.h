// What a throw scores in each free cell of the current player's sheet.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

namespace sixdice::game {

// Computes ActiveSheet and KindFace for the dice as they lie (all faces 1..6), crediting only
// free cells, with the fresh-die rule for the face cells. ActiveSheet must have been loaded
// (LoadActiveSheet) right before; each run of four or more found reloads it before crediting.
void EvaluateThrow(GameState& state);

} // namespace sixdice::game
