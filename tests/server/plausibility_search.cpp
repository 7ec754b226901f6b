// Brute-force search for the highest ranking value a player of a finished game can hold, through
// the game's own rules: each cell's best value over every throw, every turn's throw accounting,
// every sequence of up to 40 turns, and a replay of the best game found. Long games are then
// followed with the two kinds of turn that no other kind beats, to find how many passes it takes
// to go beyond the bound.
//   plausibility_search BOUND PASSES
// exits 0 when the search finds exactly BOUND as the highest value of games of up to 40 turns and
// PASSES as the fewest passes before throwing that one player needs to exceed it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRects.h"
#include "game/GameRules.h"
#include "game/Scoring.h"
#include "game/testing/RecordingHost.h"
#include "scores/Ranking.h"
#include "tests/game/DiceSeeds.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace sixdice::game;
using sixdice::game::testing::RecordingHost;
using sixdice::game::testing::TimeForFaces;

// The exhaustive search covers games of up to this many turns per player.
constexpr int MaxTurns = 40;
constexpr int MaxReserve = 3 * MaxTurns;
constexpr int FullSheet = CellCount;

using Throw = std::array<int, DiceCount>;

struct CellBest {
    int value = 0;
    Throw dice{};
};

// Every ordered throw on a fresh sheet with nothing held, scored by EvaluateThrow.
std::array<CellBest, CellCount> BestCellValues() {
    std::array<CellBest, CellCount> best{};
    GameState state;
    NewGame(state, 1, {"x", "", "", ""});
    Throw dice{};
    for (int code = 0; code < 46656; ++code) {
        for (int i = 0, rest = code; i < DiceCount; ++i, rest /= 6) {
            dice[i] = rest % 6 + 1;
        }
        state.Dice = dice;
        state.KindFace = 0;
        LoadActiveSheet(state);
        EvaluateThrow(state);
        for (int cell = 1; cell <= CellCount; ++cell) {
            if (state.Entry(cell) > best[cell - 1].value) {
                best[cell - 1] = {state.Entry(cell), dice};
            }
        }
    }
    return best;
}

// The best sum of `count` written cells, over every choice of cells, and one choice giving it.
struct CellChoice {
    int sum = 0;
    std::vector<int> cells;
};
std::array<CellChoice, CellCount + 1> BestChoices(const std::array<CellBest, CellCount>& best) {
    std::array<CellChoice, CellCount + 1> choices{};
    for (int mask = 0; mask < (1 << CellCount); ++mask) {
        CellChoice choice;
        for (int cell = 1; cell <= CellCount; ++cell) {
            if (mask & (1 << (cell - 1))) {
                choice.sum += best[cell - 1].value;
                choice.cells.push_back(cell);
            }
        }
        CellChoice& kept = choices[choice.cells.size()];
        if (kept.cells.size() != choice.cells.size() || choice.sum > kept.sum) {
            kept = choice;
        }
    }
    return choices;
}

// One turn: `throws` presses of the throw button, then a written cell or the pass button.
struct TurnPlan {
    int throws = 0;
    bool write = false;
};

// What a turn does to a sheet, measured by playing it with the rules.
struct TurnEffect {
    int addedThrowCount = 0;
    int reserveAfter = 0;
    bool wrote = false;
};

class Table {
public:
    Table() : rules_(state_, host_, clock_) {}

    // Plays the turn for player 1 of a two-player game whose sheet holds `reserve` banked throws.
    // The last throw is made to offer the cell, as a lucky throw would.
    TurnEffect Measure(int reserve, TurnPlan plan) {
        NewGame(state_, 2, {"a", "b", "", ""});
        state_.Sheet(1).SetNumber(ReserveThrowsLine, reserve);
        for (int i = 0; i < plan.throws; ++i) {
            clock_.Set(1000u + static_cast<std::uint32_t>(i));
            rules_.ThrowDice();
        }
        bool wrote = false;
        if (plan.write) {
            if (state_.Die(1) != 0) {
                state_.Dice = {6, 6, 6, 6, 6, 6};
                LoadActiveSheet(state_);
                EvaluateThrow(state_);
            }
            wrote = Click(1, static_cast<int>(Cell::Sixes));
        } else {
            rules_.SkipTurn();
        }
        const PlayerSheet& sheet = state_.Sheet(1);
        return {sheet.ThrowCount(), sheet.ReserveThrows(), wrote};
    }

    GameState& State() { return state_; }
    GameRules& Rules() { return rules_; }
    FixedClock& Clock() { return clock_; }
    bool Click(int player, int cell) {
        const Rect r = SheetCell(player, cell);
        return rules_.WriteResult((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
    }

private:
    GameState state_;
    RecordingHost host_;
    FixedClock clock_;
    GameRules rules_;
};

// Turn effects for every banked reserve and every number of presses the turn could make.
struct Transition {
    TurnPlan plan;
    TurnEffect effect;
};
std::vector<std::vector<Transition>> MeasureTransitions(Table& table) {
    std::vector<std::vector<Transition>> byReserve(MaxReserve + 1);
    for (int reserve = 0; reserve <= MaxReserve; ++reserve) {
        // One press more than the turn allows shows that a refused throw changes nothing.
        for (int throws = 0; throws <= 3 + reserve + 1; ++throws) {
            for (bool write : {false, true}) {
                const TurnPlan plan{throws, write};
                const TurnEffect effect = table.Measure(reserve, plan);
                if (write && !effect.wrote) {
                    continue; // nothing to write without a throw
                }
                byReserve[reserve].push_back({plan, effect});
            }
        }
    }
    return byReserve;
}

// After k turns, for each (cells written, banked reserve), the fewest throws counted. For a fixed
// number of cells and reserve, fewer throws never rank lower and change no later turn.
struct Step {
    int throwCount = -1; // -1: not reachable
    int fromCells = 0, fromReserve = 0;
    TurnPlan plan;
};
using Layer = std::array<std::array<Step, MaxReserve + 1>, FullSheet + 1>;

std::vector<Layer> SearchTurns(const std::vector<std::vector<Transition>>& transitions) {
    std::vector<Layer> layers(MaxTurns + 1);
    layers[0][0][0].throwCount = 0;
    for (int k = 1; k <= MaxTurns; ++k) {
        for (int cells = 0; cells < FullSheet; ++cells) { // a full sheet has ended the game
            for (int reserve = 0; reserve <= MaxReserve; ++reserve) {
                const Step& from = layers[k - 1][cells][reserve];
                if (from.throwCount < 0) {
                    continue;
                }
                for (const Transition& t : transitions[reserve]) {
                    const int nextCells = cells + (t.effect.wrote ? 1 : 0);
                    const int nextReserve = t.effect.reserveAfter;
                    const int nextThrows = from.throwCount + t.effect.addedThrowCount;
                    if (nextReserve > MaxReserve) {
                        continue;
                    }
                    Step& to = layers[k][nextCells][nextReserve];
                    if (to.throwCount < 0 || nextThrows < to.throwCount) {
                        to = {nextThrows, cells, reserve, t.plan};
                    }
                }
            }
        }
    }
    return layers;
}

struct Candidate {
    std::int32_t value = -1;
    int cells = 0, reserve = 0, throwCount = 0;
};

// The best player over the states of one layer: the finisher needs a full sheet, anybody else
// may not have one.
Candidate BestOf(const Layer& layer, bool finisher,
                 const std::array<CellChoice, CellCount + 1>& sums) {
    Candidate best;
    for (int cells = finisher ? FullSheet : 0; cells <= (finisher ? FullSheet : FullSheet - 1);
         ++cells) {
        for (int reserve = 0; reserve <= MaxReserve; ++reserve) {
            const Step& s = layer[cells][reserve];
            if (s.throwCount <= 0) {
                continue;
            }
            const int total = sums[cells].sum + reserve; // the settlement adds the reserve
            const std::int32_t value = sixdice::scores::RankingValue(total, s.throwCount);
            if (value > best.value) {
                best = {value, cells, reserve, s.throwCount};
            }
        }
    }
    return best;
}

std::vector<TurnPlan> PlanOf(const std::vector<Layer>& layers, int turns, int cells, int reserve) {
    std::vector<TurnPlan> plan(static_cast<std::size_t>(turns));
    for (int k = turns; k >= 1; --k) {
        const Step& s = layers[k][cells][reserve];
        plan[static_cast<std::size_t>(k - 1)] = s.plan;
        cells = s.fromCells;
        reserve = s.fromReserve;
    }
    return plan;
}

// Plays a whole game with the rules: player p follows plans[p - 1] and writes the cells of
// choices[p - 1] in order, each from a real throw whose time of day gives the best dice.
std::optional<sixdice::scores::BestResult> Replay(const std::vector<std::vector<TurnPlan>>& plans,
                                                  const std::vector<std::vector<int>>& cells,
                                                  const std::array<CellBest, CellCount>& best) {
    Table table;
    GameState& state = table.State();
    const int players = static_cast<int>(plans.size());
    NewGame(state, players, {"p1", "p2", "p3", "p4"});
    std::vector<std::size_t> turn(plans.size(), 0), written(plans.size(), 0);
    while (!state.GameOver) {
        const int p = state.CurrentPlayer;
        const auto i = static_cast<std::size_t>(p - 1);
        if (turn[i] >= plans[i].size()) {
            std::fprintf(stderr, "replay: player %d has no turn left\n", p);
            return std::nullopt;
        }
        const TurnPlan plan = plans[i][turn[i]++];
        for (int n = 0; n < plan.throws; ++n) {
            const bool last = n == plan.throws - 1;
            std::uint32_t ms = 5000u + static_cast<std::uint32_t>(n);
            if (last && plan.write) {
                const auto found = TimeForFaces(best[cells[i][written[i]] - 1].dice);
                if (!found) {
                    std::fprintf(stderr, "replay: no time of day throws the best dice\n");
                    return std::nullopt;
                }
                ms = *found;
            }
            table.Clock().Set(ms);
            table.Rules().ThrowDice();
        }
        if (plan.write) {
            if (!table.Click(p, cells[i][written[i]])) {
                std::fprintf(stderr, "replay: player %d could not write cell %d\n", p,
                             cells[i][written[i]]);
                return std::nullopt;
            }
            ++written[i];
        } else {
            table.Rules().SkipTurn();
        }
    }
    return sixdice::scores::BestPlayer(state);
}

// A write after one throw counts 1 throw and banks 2; a pass before throwing counts 3 and banks 3.
// Every other turn the rules allow counts at least as many throws and banks no more than the one
// of its kind, so in long games only these two matter.
bool OnlyTwoTurnsMatter(const std::vector<std::vector<Transition>>& transitions) {
    bool sawWrite = false, sawPass = false;
    for (int reserve = 0; reserve <= MaxReserve; ++reserve) {
        for (const Transition& t : transitions[static_cast<std::size_t>(reserve)]) {
            const int counted = t.effect.addedThrowCount;
            const int banked = t.effect.reserveAfter - reserve;
            const int leastCounted = t.effect.wrote ? 1 : 3;
            const int mostBanked = t.effect.wrote ? 2 : 3;
            if (counted < leastCounted || banked > mostBanked) {
                std::fprintf(stderr, "a turn of %d throws counts %d and banks %d\n", t.plan.throws,
                             counted, banked);
                return false;
            }
            sawWrite = sawWrite || (t.effect.wrote && counted == 1 && banked == 2);
            sawPass = sawPass || (!t.effect.wrote && counted == 3 && banked == 3);
        }
    }
    return sawWrite && sawPass;
}

// The fewest passes before throwing with which one player's ranking value exceeds `bound`: the
// finisher writes 13 cells, anybody else up to 12 in at least 12 turns.
struct Exceeding {
    int passes = -1;
    int cells = 0, total = 0, throwCount = 0;
    std::int32_t value = 0;
};
Exceeding PassesToExceed(std::int32_t bound, const std::array<CellChoice, CellCount + 1>& sums) {
    for (int passes = 0; passes <= 1000000; ++passes) {
        for (int cells = 0; cells <= FullSheet; ++cells) {
            if (cells < FullSheet && cells + passes < FullSheet - 1) {
                continue;
            }
            const int total = sums[static_cast<std::size_t>(cells)].sum + 2 * cells + 3 * passes;
            const int throwCount = cells + 3 * passes;
            const std::int32_t value = sixdice::scores::RankingValue(total, throwCount);
            if (throwCount > 0 && value > bound) {
                return {passes, cells, total, throwCount, value};
            }
        }
    }
    return {};
}

std::string Describe(const std::vector<TurnPlan>& plan) {
    std::map<std::string, int> counts;
    for (const TurnPlan& t : plan) {
        counts[(t.write ? "write after " : "pass after ") + std::to_string(t.throws) +
               " throw(s)"]++;
    }
    std::string text;
    for (const auto& [what, n] : counts) {
        text += (text.empty() ? "" : ", ") + std::to_string(n) + " x " + what;
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: plausibility_search BOUND PASSES\n");
        return 2;
    }
    const long expected = std::strtol(argv[1], nullptr, 10);
    const long expectedPasses = std::strtol(argv[2], nullptr, 10);

    const auto best = BestCellValues();
    std::printf("best value of each cell over all 46656 throws:");
    for (const CellBest& b : best) {
        std::printf(" %d", b.value);
    }
    std::printf("\n");
    const auto sums = BestChoices(best);

    Table table;
    const auto transitions = MeasureTransitions(table);
    const auto layers = SearchTurns(transitions);

    // The game ends after the finisher's turn number `turns`; players before it in the order
    // have had as many turns, players after it one fewer.
    Candidate overall;
    int overallTurns = 0;
    bool overallFinisher = false;
    for (int turns = FullSheet; turns <= MaxTurns; ++turns) {
        const Candidate finisher = BestOf(layers[turns], true, sums);
        const Candidate same = BestOf(layers[turns], false, sums);
        const Candidate fewer = BestOf(layers[turns - 1], false, sums);
        std::printf("finisher's turn %2d: finisher %6d, others %6d (same turns) %6d (one fewer)\n",
                    turns, finisher.value, same.value, fewer.value);
        for (const auto& [c, t, f] :
             {std::tuple{finisher, turns, true}, std::tuple{same, turns, false},
              std::tuple{fewer, turns - 1, false}}) {
            if (c.value > overall.value) {
                overall = c;
                overallTurns = t;
                overallFinisher = f;
            }
        }
    }
    std::printf("highest ranking value: %d (%s with %d cells written, %d banked, %d throws; "
                "total %d)\n",
                overall.value, overallFinisher ? "the finisher" : "a player after the finisher",
                overall.cells, overall.reserve, overall.throwCount,
                sums[overall.cells].sum + overall.reserve);

    // Replay: the best player in a real game, beside a finisher whose turns end the game at the
    // right moment (the best finisher plan of that length).
    std::vector<std::vector<TurnPlan>> plans;
    std::vector<std::vector<int>> cells;
    const int finisherTurns = overallFinisher ? overallTurns : overallTurns + 1;
    const Candidate finisher = BestOf(layers[finisherTurns], true, sums);
    plans.push_back(PlanOf(layers, finisherTurns, finisher.cells, finisher.reserve));
    cells.push_back(sums[FullSheet].cells);
    if (!overallFinisher) {
        plans.push_back(PlanOf(layers, overallTurns, overall.cells, overall.reserve));
        cells.push_back(sums[overall.cells].cells);
    }
    for (std::size_t p = 0; p < plans.size(); ++p) {
        std::printf("player %zu: %s\n", p + 1, Describe(plans[p]).c_str());
    }
    const auto replayed = Replay(plans, cells, best);
    if (!replayed) {
        return 1;
    }
    std::printf("replayed with the rules: best player %d, ranking value %d\n", replayed->player,
                replayed->value);
    if (replayed->value != overall.value) {
        std::fprintf(stderr, "the replayed game does not reach the value the search found\n");
        return 1;
    }
    if (overall.value != expected) {
        std::fprintf(stderr,
                     "the server refuses values above %ld, games of up to %d turns reach %d\n",
                     expected, MaxTurns, overall.value);
        return 1;
    }
    std::printf("the server's bound %ld is the highest value of games of up to %d turns\n",
                expected, MaxTurns);

    if (!OnlyTwoTurnsMatter(transitions)) {
        std::fprintf(stderr, "some turn beats both a write after one throw and a pass\n");
        return 1;
    }
    const Exceeding beyond = PassesToExceed(overall.value, sums);
    std::printf("passes before throwing needed to exceed it: %d (%d cells, total %d in %d throws, "
                "value %d)\n",
                beyond.passes, beyond.cells, beyond.total, beyond.throwCount, beyond.value);
    if (beyond.passes != expectedPasses) {
        std::fprintf(stderr, "expected %ld passes\n", expectedPasses);
        return 1;
    }
    return 0;
}
