// Start-up, idle and pointer-movement costs of the game on the headless media services.
// The working folder is the build's generated one (build_paths::assetDir), so real artwork and
// music are measured. In an X server: SIXDICE_BENCH_WINDOWED=1 xvfb-run -a ./bench_app
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageLoop.h"
#include "app/SettingsFile.h"
#include "game/Clock.h"
#include "media/Services.h"
#include "tests/support/BuildPaths.h"
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
    std::filesystem::current_path(build_paths::assetDir, error);
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

// The services with every sound started but never waited for, so a click is timed without the
// length of its sound (the throw's rattle, the game start's fanfare).
class NoSoundWaits final : public media::Services {
public:
    explicit NoSoundWaits(std::unique_ptr<media::Services> inner)
        : inner_(std::move(inner)), sound_(inner_->sound()) {}
    media::Window& window() override { return inner_->window(); }
    media::Graphics& graphics() override { return inner_->graphics(); }
    media::Sound& sound() override { return sound_; }
    media::MediaPlayer& music() override { return inner_->music(); }
    media::Pointer& pointer() override { return inner_->pointer(); }
    media::Shell& shell() override { return inner_->shell(); }
    media::MessageBox& messageBox() override { return inner_->messageBox(); }
    media::EventSource& events() override { return inner_->events(); }
    media::Dialog& dialog() override { return inner_->dialog(); }

private:
    class StartOnly final : public media::Sound {
    public:
        explicit StartOnly(media::Sound& inner) : inner_(inner) {}
        media::MediaError SetSoundList(const media::SoundList& list) override {
            return inner_.SetSoundList(list);
        }
        int SoundCount() const override { return inner_.SoundCount(); }
        media::MediaError PlaySound(int index, bool) override {
            return inner_.PlaySound(index, false);
        }

    private:
        media::Sound& inner_;
    };
    std::unique_ptr<media::Services> inner_;
    StartOnly sound_;
};

// A main window on the real data files, without music and without sound waits, driven by events.
struct ScreenBench {
    game::SystemClock clock;
    std::unique_ptr<media::Services> services;
    std::unique_ptr<ui::Tmain> tmain;

    bool Start(benchmark::State& state, game::Language language) {
        if (!EnterAssetFolder(state)) {
            return false;
        }
        auto inner = Headless(false);
        if (!inner) {
            state.SkipWithError("the headless services did not start");
            return false;
        }
        services = std::make_unique<NoSoundWaits>(std::move(inner));
        const std::string languageLine = language == game::Language::Czech ? "CZ" : "EN";
        tmain = std::make_unique<ui::Tmain>(
            *services,
            [languageLine](const std::string&, ui::SettingsLines& lines) {
                lines = ui::SettingsLines({"0", "0", languageLine});
                return std::optional<std::string>();
            },
            clock);
        if (auto failure = tmain->FormCreate()) {
            state.SkipWithError(failure->c_str());
            return false;
        }
        services->window().Show();
        while (services->graphics().PresentCount() == 0) {
            services->events().WaitEvent(1);
        }
        return true;
    }
    void Event(media::EventKind kind, int x, int y) {
        media::InputEvent e;
        e.kind = kind;
        e.x = x;
        e.y = y;
        e.button = 1;
        tmain->HandleEvent(e);
    }
    void Move(int x, int y) {
        Event(media::EventKind::MouseMove, x, y);
        tmain->Present();
    }
    void Click(int x, int y) {
        Move(x, y);
        Event(media::EventKind::MouseDown, x, y);
        Event(media::EventKind::MouseUp, x, y);
        Event(media::EventKind::Click, x, y);
    }
    bool On(game::Screen screen, benchmark::State& state) {
        if (tmain->CurrentScreen() != screen) {
            state.SkipWithError("the clicks did not reach the screen to measure");
            return false;
        }
        return true;
    }
};

// One hover movement with its present, alternating between a button and a neutral point, so every
// movement either marks or unmarks (the dearer half of what the pointer does).
void HoverMovement(benchmark::State& state, game::Screen screen, int inX, int inY, int outX,
                   int outY) {
    ScreenBench bench;
    if (!bench.Start(state, game::Language::Czech)) {
        return;
    }
    if (screen == game::Screen::PlayerSetup || screen == game::Screen::Game) {
        bench.Click(218, 45);
    }
    if (screen == game::Screen::Game) {
        bench.Click(62, 262);
        bench.tmain->State().Dice = {1, 2, 3, 4, 5, 6};
    }
    if (screen == game::Screen::Highscore) {
        bench.Click(218, 45);
        bench.Click(62, 262);
        bench.tmain->ShowHighscore();
    }
    if (!bench.On(screen, state)) {
        return;
    }
    bool in = false;
    for (auto _ : state) {
        in = !in;
        bench.Move(in ? inX : outX, in ? inY : outY);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(HoverMovement, Menu, game::Screen::Menu, 218, 45, 218, 90)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HoverMovement, Setup, game::Screen::PlayerSetup, 62, 262, 62, 220)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HoverMovement, Game, game::Screen::Game, 152, 103, 152, 130)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HoverMovement, Highscore, game::Screen::Highscore, 93, 285, 93, 250)
    ->Unit(benchmark::kMicrosecond);

// A click on the throw button without the rattle's wait: the throw picture and its present, the
// new dice, the evaluation, the redraw and its present. A new game every 30 throws keeps throws
// available.
void ClickOnThrow(benchmark::State& state) {
    ScreenBench bench;
    if (!bench.Start(state, game::Language::Czech)) {
        return;
    }
    bench.Click(218, 45);
    bench.Click(62, 262);
    if (!bench.On(game::Screen::Game, state)) {
        return;
    }
    int throws = 0;
    for (auto _ : state) {
        if (++throws % 30 == 0) {
            state.PauseTiming();
            game::NewGame(bench.tmain->State(), 1, {"Eva", "", "", ""});
            state.ResumeTiming();
        }
        bench.Click(152, 103);
    }
}
BENCHMARK(ClickOnThrow)->Unit(benchmark::kMicrosecond);

// From the click on "start" to the presented game screen, without the start sound's wait: the
// new game, the large layout (a new surface and texture), the game screen's drawing and present.
void ClickOnStart(benchmark::State& state) {
    ScreenBench bench;
    if (!bench.Start(state, game::Language::Czech)) {
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (bench.tmain->CurrentScreen() == game::Screen::Game) {
            media::InputEvent close;
            close.kind = media::EventKind::CloseRequest;
            bench.tmain->HandleEvent(close); // back to the menu, small layout
        }
        bench.Click(218, 45);
        bench.Move(62, 262);
        state.ResumeTiming();
        bench.Event(media::EventKind::MouseDown, 62, 262);
        bench.Event(media::EventKind::MouseUp, 62, 262);
        bench.Event(media::EventKind::Click, 62, 262);
    }
    if (bench.tmain->CurrentScreen() != game::Screen::Game) {
        state.SkipWithError("the start click did not start a game");
    }
}
BENCHMARK(ClickOnStart)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace sixdice

BENCHMARK_MAIN();
