// EvaluateThrow over all 46,656 ordered throws of six dice; reports the time per throw.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Scoring.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace sixdice::game {
namespace {

std::vector<std::array<int, DiceCount>> AllThrows() {
    std::vector<std::array<int, DiceCount>> throws;
    throws.reserve(46656);
    for (int code = 0; code < 46656; ++code) {
        std::array<int, DiceCount> dice{};
        int rest = code;
        for (int& d : dice) {
            d = rest % 6 + 1;
            rest /= 6;
        }
        throws.push_back(dice);
    }
    return throws;
}

// As after a throw: the sheet is loaded, then the dice are evaluated.
void EvaluateEveryThrow(benchmark::State& bench, bool halfWritten) {
    const auto throws = AllThrows();
    GameState state;
    NewGame(state, 1, {"Eva", "", "", ""});
    if (halfWritten) {
        for (int cell = 1; cell <= CellCount; cell += 2) {
            state.Sheet(1).SetNumber(CellLine(cell), 10);
        }
    }
    long offered = 0;
    for (auto _ : bench) {
        for (const auto& dice : throws) {
            state.Dice = dice;
            state.KindFace = 0;
            LoadActiveSheet(state);
            EvaluateThrow(state);
            offered += state.ActiveSheet[1] + state.ActiveSheet[12];
        }
        benchmark::DoNotOptimize(offered);
    }
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(throws.size()));
    // Seconds per throw, shown with an SI prefix ("8.1n" is 8.1 ns).
    bench.counters["per_throw"] = benchmark::Counter(static_cast<double>(throws.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_EvaluateThrowFreshSheet(benchmark::State& bench) {
    EvaluateEveryThrow(bench, false);
}
void BM_EvaluateThrowHalfWrittenSheet(benchmark::State& bench) {
    EvaluateEveryThrow(bench, true);
}

BENCHMARK(BM_EvaluateThrowFreshSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EvaluateThrowHalfWrittenSheet)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace sixdice::game

BENCHMARK_MAIN();
