// Start-up, idle and pointer-movement costs of the game on the headless media services.
// The working folder is the build's generated one (SIXDICE_ASSET_DIR), so real artwork and music
// are measured. In an X server: SIXDICE_BENCH_WINDOWED=1 xvfb-run -a ./bench_app
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageLoop.h"
#include "app/SettingsFile.h"
#include "game/Clock.h"
#include "media/Services.h"
#include "ui/uMain.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace sixdice {
namespace {

using Clock = std::chrono::steady_clock;

bool EnterAssetFolder(benchmark::State& state) {
    std::error_code error;
    std::filesystem::current_path(SIXDICE_BENCH_ASSET_DIR, error);
    if (error || !std::filesystem::exists("nastaveni.zrk")) {
        state.SkipWithError("the asset folder has no generated data files; build the assets first");
        return false;
    }
    return true;
}

// Headless unless SIXDICE_BENCH_WINDOWED=1 asks for the display (for example under xvfb-run).
// Without vsync a present is timed without its wait for the vertical blank.
std::unique_ptr<media::Services> Headless(bool vsync = true) {
    media::ServiceOptions options;
    options.vsync = vsync;
    const char* windowed = std::getenv("SIXDICE_BENCH_WINDOWED");
    options.headless = !(windowed && std::string(windowed) == "1");
    options.applicationTitle = std::string(ui::ApplicationTitle);
    return media::CreateSdlServices(options).services;
}

// From nothing to the first presented menu frame: SDL, the window, settings, both lists, music.
void StartupToFirstMenuFrame(benchmark::State& state) {
    if (!EnterAssetFolder(state)) {
        return;
    }
    game::SystemClock clock;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto services = Headless();
        if (!services) {
            state.SkipWithError("the headless services did not start");
            return;
        }
        auto tmain = std::make_unique<ui::Tmain>(*services, &app::LoadSettingsFile, clock);
        if (auto failure = tmain->FormCreate()) {
            state.SkipWithError(failure->c_str());
            return;
        }
        services->window().Show();
        while (services->graphics().PresentCount() == 0) {
            services->events().WaitEvent(1);
        }
        const auto elapsed = std::chrono::duration<double>(Clock::now() - start);
        state.SetIterationTime(elapsed.count());
        tmain.reset();
        services.reset();
    }
}
BENCHMARK(StartupToFirstMenuFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Ten seconds on the menu with its music: the loop wakes for the 10 ms music timer only.
void IdleOnTheMenuWithMusic(benchmark::State& state) {
    if (!EnterAssetFolder(state)) {
        return;
    }
    game::SystemClock clock;
    auto services = Headless();
    if (!services) {
        state.SkipWithError("the headless services did not start");
        return;
    }
    ui::Tmain tmain(*services, &app::LoadSettingsFile, clock);
    if (auto failure = tmain.FormCreate()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    if (!tmain.MusicOn()) {
        state.SkipWithError("the settings file names no menu music");
        return;
    }
    services->window().Show();
    double cpuShare = 0;
    for (auto _ : state) {
        app::LoopOptions options;
        options.runFor = 10'000;
        const double cpuBefore = CpuSeconds();
        const auto start = Clock::now();
        app::RunMessageLoop(tmain, *services, options);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        cpuShare = (CpuSeconds() - cpuBefore) / wall;
        state.SetIterationTime(wall);
    }
    // The process's CPU time includes the mixer's audio thread decoding the music.
    state.counters["cpu_percent_of_one_core"] = cpuShare * 100.0;
}
BENCHMARK(IdleOnTheMenuWithMusic)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// A started main window on the game screen of a new four-player game, without vsync and music.
struct GameScreenBench {
    game::SystemClock clock;
    std::unique_ptr<media::Services> services;
    std::unique_ptr<ui::Tmain> tmain;

    bool Start(benchmark::State& state) {
        if (!EnterAssetFolder(state)) {
            return false;
        }
        services = Headless(false);
        if (!services) {
            state.SkipWithError("the headless services did not start");
            return false;
        }
        tmain = std::make_unique<ui::Tmain>(*services, &app::LoadSettingsFile, clock);
        if (auto failure = tmain->FormCreate()) {
            state.SkipWithError(failure->c_str());
            return false;
        }
        tmain->StopMusic();
        services->window().SetLayout(media::Layout::Large);
        game::NewGame(tmain->State(), 4, {"Alena", "Bořek", "Cecílie", "Dušan"});
        game::LoadActiveSheet(tmain->State());
        return true;
    }
};

// One pointer movement on the game screen with its present, without the vertical-blank wait.
void PointerMovementOnTheGameScreen(benchmark::State& state) {
    GameScreenBench bench;
    if (!bench.Start(state)) {
        return;
    }
    ui::Tmain& tmain = *bench.tmain;
    tmain.SetCurrentScreen(game::Screen::Game);
    tmain.DrawGameScreen();
    tmain.Present();
    int step = 0;
    for (auto _ : state) {
        tmain.DXDrawMouseMove(20 + step % 500, 150 + step % 280);
        ++step;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PointerMovementOnTheGameScreen)->Unit(benchmark::kMicrosecond);

// A whole redraw of the game screen (board, dice, plates, about sixty texts) with its present.
void GameScreenRedraw(benchmark::State& state) {
    GameScreenBench bench;
    if (!bench.Start(state)) {
        return;
    }
    ui::Tmain& tmain = *bench.tmain;
    tmain.State().Dice = {1, 2, 3, 4, 5, 6};
    tmain.SetCurrentScreen(game::Screen::Game);
    for (auto _ : state) {
        tmain.DrawGameScreen();
        tmain.Present();
    }
}
BENCHMARK(GameScreenRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace sixdice

BENCHMARK_MAIN();
