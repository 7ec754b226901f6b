// Many seeded random games of one to four players: the sheet and turn invariants after every
// step, the throw bookkeeping against an independent tally, and the settlement at the end.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RulesFixture.h"

#include <deque>
#include <random>
#include <vector>

namespace sixdice::game::testing {
namespace {

// What the test itself counts for each player, independently of the sheet.
struct Tally {
    int turnsEnded = 0;
    int accepted = 0;   // throws made
    int passedLeft = 0; // turn throws left over at the pass button
    int writtenSum = 0; // sum of the cells this player has written
    std::array<std::string, CellCount> cells{};
};

class RandomGames : public RulesTest {
protected:
    std::array<Tally, MaxPlayers> tally{};
    // How often each path was taken over all games, so the test shows it covered them.
    int waits = 0, writes = 0, passes = 0, refusals = 0;
    std::deque<std::string> recent; // the last steps, shown when an invariant fails

    void Log(std::string step) {
        recent.push_back(std::move(step));
        if (recent.size() > 40) {
            recent.pop_front();
        }
    }
    std::string Recent() const {
        std::string text = "last steps:";
        for (const std::string& step : recent) {
            text += " " + step;
        }
        return text;
    }

    void CheckInvariants(bool turnJustStarted) {
        SCOPED_TRACE(Recent());
        ASSERT_GE(state.PlayerCount, 1);
        ASSERT_LE(state.PlayerCount, 4);
        ASSERT_GE(state.CurrentPlayer, 1);
        ASSERT_LE(state.CurrentPlayer, state.PlayerCount);
        for (int p = 1; p <= MaxPlayers; ++p) {
            const PlayerSheet& sheet = Sheet(p);
            if (p > state.PlayerCount) {
                ASSERT_TRUE(sheet.empty()) << "sheet " << p;
                continue;
            }
            ASSERT_EQ(sheet.LineCount(), SheetLineCount) << "sheet " << p;
            const Tally& t = tally[p - 1];
            for (int cell = 1; cell <= CellCount; ++cell) {
                const std::string& line = sheet.Line(CellLine(cell));
                if (line != "-") {
                    ASSERT_GT(std::stoi(line), 0) << "cell " << cell << " of player " << p;
                }
                if (!t.cells[cell - 1].empty()) {
                    ASSERT_EQ(line, t.cells[cell - 1]) << "a written cell changed";
                }
            }
            if (!state.GameOver) {
                ASSERT_GE(sheet.TurnThrows(), 0);
                ASSERT_LE(sheet.TurnThrows(), 3);
                ASSERT_GE(sheet.ReserveThrows(), 0);
                // Every turn brings three throws; they are thrown, left in the turn or banked.
                ASSERT_EQ(3 * (t.turnsEnded + 1),
                          t.accepted + sheet.TurnThrows() + sheet.ReserveThrows())
                    << "player " << p;
                ASSERT_EQ(sheet.Total(), sheet.CellSum()) << "player " << p;
            }
            ASSERT_EQ(sheet.ThrowCount(), t.accepted + t.passedLeft) << "player " << p;
            ASSERT_EQ(sheet.CellSum(), t.writtenSum);
        }
        for (int i = 1; i <= DiceCount; ++i) {
            if (turnJustStarted) {
                ASSERT_EQ(state.Die(i), 0);
            }
            ASSERT_TRUE(state.Die(i) >= 0 && state.Die(i) <= 6);
            if (state.Die(i) == 0) {
                ASSERT_FALSE(state.Held(i)) << "an unthrown die is held";
            }
        }
        const PlayerSheet& current = state.CurrentSheet();
        for (int cell = 1; cell <= CellCount; ++cell) {
            const int entry = state.Entry(cell);
            if (current.IsFree(cell)) {
                ASSERT_NE(entry, 0) << "free cell " << cell << " marked written";
                if (turnJustStarted) {
                    ASSERT_EQ(entry, -1);
                }
            } else {
                ASSERT_EQ(entry, 0) << "written cell " << cell << " offered";
            }
        }
        bool anyFull = false;
        for (int p = 1; p <= state.PlayerCount; ++p) {
            anyFull = anyFull || Sheet(p).IsFull();
        }
        ASSERT_EQ(state.GameOver, anyFull);
        ASSERT_EQ(host.screen == Screen::GameEnd, state.GameOver);
        ASSERT_EQ(host.screen == Screen::Wait, host.timerRunning);
        ASSERT_EQ(host.pointerHidden, host.screen == Screen::Wait ? 1 : 0);
        if (host.screen == Screen::Wait) {
            ASSERT_EQ(state.PlayerCount, 1);
        }
    }

    // Random games rarely fill the rare cells, so each sheet starts with most cells written as
    // if by earlier turns (its total to match), keeping at least one cell free.
    void Prefill(std::mt19937& rng) {
        for (int p = 1; p <= state.PlayerCount; ++p) {
            Tally& t = tally[p - 1];
            const int keepFree = 1 + static_cast<int>(rng() % CellCount);
            for (int cell = 1; cell <= CellCount; ++cell) {
                if (cell != keepFree && rng() % 10 < 7) {
                    const int value = 1 + static_cast<int>(rng() % 36);
                    state.Sheet(p).SetNumber(CellLine(cell), value);
                    t.cells[cell - 1] = std::to_string(value);
                    t.writtenSum += value;
                }
            }
            state.Sheet(p).SetNumber(TotalLine, t.writtenSum);
        }
        LoadActiveSheet(state);
    }

    int PickCellToClick(std::mt19937& rng) {
        std::vector<int> offered;
        for (int cell = 1; cell <= CellCount; ++cell) {
            if (state.Entry(cell) > 0) {
                offered.push_back(cell);
            }
        }
        if (!offered.empty() && rng() % 5 != 0) {
            return offered[rng() % offered.size()];
        }
        return 1 + static_cast<int>(rng() % CellCount);
    }

    // Mostly a die of the most common face that is not held yet, else any die.
    int PickDieToToggle(std::mt19937& rng) {
        if (rng() % 5 != 0) {
            int count[7] = {};
            for (int d : state.Dice) {
                ++count[d];
            }
            int best = 1;
            for (int f = 2; f <= 6; ++f) {
                best = count[f] > count[best] ? f : best;
            }
            for (int i = 1; i <= DiceCount; ++i) {
                if (state.Die(i) == best && !state.Held(i)) {
                    return i;
                }
            }
        }
        return 1 + static_cast<int>(rng() % 6);
    }

    void MarkTurnEnd(int player) { ++tally[player - 1].turnsEnded; }

    void PlayOneGame(std::mt19937& rng, int players) {
        Start(players);
        tally = {};
        recent.clear();
        Prefill(rng);
        bool turnJustStarted = true;
        for (int step = 0; step < 200000 && !state.GameOver; ++step) {
            const int player = state.CurrentPlayer;
            const int endedBefore = tally[player - 1].turnsEnded;
            PlayerSheet& sheet = state.CurrentSheet();
            Tally& t = tally[player - 1];
            if (host.screen == Screen::Wait) {
                Log("timer");
                ++waits;
                rules.PassTimerExpired();
                MarkTurnEnd(player);
                turnJustStarted = true;
            } else {
                const int action = static_cast<int>(rng() % 10);
                if (action < 5) {
                    clock.Set(rng() % 86400000u);
                    host.Clear();
                    Log("throw");
                    rules.ThrowDice();
                    refusals += host.Has("sound 3") ? 1 : 0;
                    if (host.Has("sound 4 wait")) {
                        ++t.accepted;
                        turnJustStarted = false;
                    }
                } else if (action < 7) {
                    const int die = PickDieToToggle(rng);
                    Log("hold " + std::to_string(die));
                    rules.ToggleHold(die);
                } else if (action < 9) {
                    // Click an offered cell most of the time, else any cell of the column.
                    const int cell = PickCellToClick(rng);
                    const int offered = state.Entry(cell);
                    Log("click " + std::to_string(cell));
                    const bool wrote = ClickCell(player, cell);
                    ASSERT_EQ(wrote, offered > 0) << Recent();
                    if (wrote) {
                        ++writes;
                        t.cells[cell - 1] = std::to_string(offered);
                        t.writtenSum += offered;
                        MarkTurnEnd(player);
                        turnJustStarted = true;
                    }
                } else {
                    Log("pass");
                    ++passes;
                    t.passedLeft += sheet.TurnThrows();
                    rules.SkipTurn();
                    MarkTurnEnd(player);
                    turnJustStarted = true;
                }
            }
            if (tally[player - 1].turnsEnded != endedBefore && !state.GameOver) {
                ASSERT_EQ(state.CurrentPlayer, player % players + 1) << Recent();
            }
            CheckInvariants(turnJustStarted && !state.GameOver);
        }
        ASSERT_TRUE(state.GameOver) << "a random game should end within its steps";
        CheckSettlement();
    }

    // At the end: every sheet's total is its cells plus everything it had banked.
    void CheckSettlement() {
        for (int p = 1; p <= state.PlayerCount; ++p) {
            const Tally& t = tally[p - 1];
            const int banked = 3 * (t.turnsEnded + 1) - t.accepted - 3; // the unplayed turn's 3 go
            EXPECT_EQ(Sheet(p).Total(), t.writtenSum + banked) << "player " << p;
            EXPECT_EQ(Sheet(p).Line(TurnThrowsLine), "0");
            EXPECT_EQ(Sheet(p).Line(ReserveThrowsLine), "0");
        }
    }
};

TEST_F(RandomGames, InvariantsHoldAfterEveryStepAndTheSettlementAddsUp) {
    std::mt19937 rng(4);
    for (int game = 0; game < 60; ++game) {
        const int players = 1 + game % 4;
        SCOPED_TRACE("game " + std::to_string(game) + " with " + std::to_string(players));
        PlayOneGame(rng, players);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(waits, 0) << "no single player was ever stuck";
    EXPECT_GT(writes, 0);
    EXPECT_GT(passes, 0);
    EXPECT_GT(refusals, 0);
}

} // namespace
} // namespace sixdice::game::testing
