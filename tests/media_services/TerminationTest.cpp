// The system's requests to end the program (SIGTERM, SIGINT, SIGHUP) reaching the headless SDL
// build's event wait. Each case runs in a child process of its own: a request cannot be taken
// back, and a signal must not reach the test runner.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include "media/Services.h"
#include "tests/support/BuildPaths.h"

#include <SDL.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace sixdice::media {
namespace {

// Exit codes of the child: what it saw.
constexpr int kSawTerminate = 0, kSawNothing = 3, kSawOther = 4, kTooLate = 5, kNoServices = 6;

std::unique_ptr<Services> StartHeadless() {
    setenv("SIXDICE_FONT_DIR", build_paths::fontDir, 1);
    ServiceOptions options;
    options.headless = true;
    ServicesResult result = CreateSdlServices(options);
    if (!result.services)
        std::_Exit(kNoServices);
    result.services->window().Show();
    // The window's own start-up events; a request made before would come first and for ever.
    if (!platform::TerminationRequested()) {
        while (result.services->events().WaitEvent(0)) {
        }
    }
    return std::move(result.services);
}

// Sends `signal` to the process after `delay`, from a thread that blocks it itself, so that it
// reaches a thread that waits, as in the game, whose other threads block it.
std::thread SendLater(int signal, std::chrono::milliseconds delay) {
    return std::thread([signal, delay] {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, signal);
        pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
        std::this_thread::sleep_for(delay);
        kill(getpid(), signal);
    });
}

// Waits up to a minute for one event and ends the process with what it was.
[[noreturn]] void WaitAndReport(Services& services, int timeoutMs = 60'000) {
    const auto started = std::chrono::steady_clock::now();
    const std::optional<InputEvent> event = services.events().WaitEvent(timeoutMs);
    const auto waited = std::chrono::steady_clock::now() - started;
    if (!event)
        std::_Exit(kSawNothing);
    if (event->kind != EventKind::Terminate)
        std::_Exit(kSawOther);
    if (waited > std::chrono::seconds(2))
        std::_Exit(kTooLate);
    std::_Exit(kSawTerminate);
}

class SignalEndsTheWait : public ::testing::TestWithParam<int> {};

TEST_P(SignalEndsTheWait, AtOnceWithATerminateEvent) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const int signal = GetParam();
    EXPECT_EXIT(
        {
            auto services = StartHeadless();
            std::thread sender = SendLater(signal, std::chrono::milliseconds(50));
            sender.detach();
            WaitAndReport(*services);
        },
        ::testing::ExitedWithCode(kSawTerminate), "")
        << "signal " << signal << " (" << kSawNothing << ": the wait ran out, " << kSawOther
        << ": another event, " << kTooLate << ": noticed late)";
}

INSTANTIATE_TEST_SUITE_P(Termination, SignalEndsTheWait, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGINT ? "SIGINT"
                                                                       : "SIGHUP");
                         });

TEST(Termination, ARequestGoesBeforeEventsAlreadyQueued) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto services = StartHeadless();
            SDL_Event close{};
            close.type = SDL_WINDOWEVENT;
            close.window.event = SDL_WINDOWEVENT_CLOSE;
            close.window.windowID = 1;
            SDL_PushEvent(&close);
            raise(SIGTERM);
            WaitAndReport(*services, 0);
        },
        ::testing::ExitedWithCode(kSawTerminate), "");
}

TEST(Termination, ARequestBeforeTheServicesStartIsNotLost) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            platform::ListenForTermination();
            raise(SIGHUP);
            auto services = StartHeadless();
            WaitAndReport(*services, 0);
        },
        ::testing::ExitedWithCode(kSawTerminate), "");
}

TEST(Termination, ASignalIgnoredFromTheStartStaysIgnored) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::signal(SIGHUP, SIG_IGN); // as nohup starts a program
            auto services = StartHeadless();
            std::thread sender = SendLater(SIGHUP, std::chrono::milliseconds(20));
            sender.join();
            WaitAndReport(*services, 300);
        },
        ::testing::ExitedWithCode(kSawNothing), "");
}

TEST(Termination, TheWakeRunsOnceForEachRequestUntilItIsTakenAway) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    static std::atomic<int> wakes{0};
    EXPECT_EXIT(
        {
            platform::ListenForTermination();
            platform::SetTerminationWake([] { ++wakes; });
            platform::RequestTermination();
            std::thread sender = SendLater(SIGTERM, std::chrono::milliseconds(0));
            sender.join();
            for (int i = 0; i < 200 && wakes.load() < 2; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            platform::SetTerminationWake(nullptr);
            platform::RequestTermination();
            std::_Exit(platform::TerminationRequested() && wakes.load() == 2 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace sixdice::media
