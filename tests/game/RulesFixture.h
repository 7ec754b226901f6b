// A game on a recording host with a clock the test sets, plus helpers to arrange a throw.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DiceSeeds.h"
#include "game/GameRects.h"
#include "game/GameRules.h"
#include "game/testing/RecordingHost.h"

#include <gtest/gtest.h>

namespace sixdice::game::testing {

class RulesTest : public ::testing::Test {
protected:
    GameState state;
    RecordingHost host;
    FixedClock clock;
    GameRules rules{state, host, clock};

    void Start(int players) {
        NewGame(state, players, {"Eva", "Jan", "Petr", "Iva"});
        host.screen = Screen::Game;
        host.Clear();
    }

    // Throws so that the dice not held show `faces` (held dice keep theirs whatever is given).
    void ThrowFaces(const std::array<int, DiceCount>& faces) {
        const auto ms = TimeForFaces(faces, state.DieHeld);
        ASSERT_TRUE(ms.has_value()) << "no time of day gives these faces";
        clock.Set(*ms);
        rules.ThrowDice();
    }

    // Fills cells of player p's sheet with the given values (0 leaves a cell free).
    void WriteCells(int player, const std::array<int, CellCount>& values) {
        for (int cell = 1; cell <= CellCount; ++cell) {
            if (values[cell - 1] > 0) {
                state.Sheet(player).SetNumber(CellLine(cell), values[cell - 1]);
            }
        }
    }

    // A click in the middle of cell k of player p's column.
    bool ClickCell(int player, int cell) {
        const Rect r = SheetCell(player, cell);
        return rules.WriteResult((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
    }

    const PlayerSheet& Sheet(int p) const { return state.Sheet(p); }
};

} // namespace sixdice::game::testing
