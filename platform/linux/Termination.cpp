// Termination requests on Linux: SIGTERM, SIGINT and SIGHUP. The signal handler only sets a flag
// and writes a byte into a pipe; a thread of its own reads the pipe and wakes the waiting thread,
// since nothing that wakes a window system's wait may be called inside a signal handler.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include "platform/TerminationRequests.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace sixdice::platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

int wakePipe[2] = {-1, -1};

void OnSignal(int) {
    const int saved = errno;
    MarkTerminationRequested();
    if (wakePipe[1] >= 0) {
        const char byte = 1;
        // A full pipe already holds a wake-up, so a failed write loses nothing.
        [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
    }
    errno = saved;
}

void WakeLoop() {
    char bytes[64];
    for (;;) {
        const ssize_t n = read(wakePipe[0], bytes, sizeof bytes);
        if (n > 0)
            WakeTerminationWaiter();
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return;
    }
}

void Listen() {
    if (pipe2(wakePipe, O_CLOEXEC) == 0) {
        fcntl(wakePipe[1], F_SETFL, fcntl(wakePipe[1], F_GETFL) | O_NONBLOCK);
        // The waking thread blocks the signals, so that they go to a thread that waits and cut
        // its wait short; it inherits the mask it is started with.
        sigset_t blocked;
        sigset_t previous;
        sigemptyset(&blocked);
        for (int signal : kSignals)
            sigaddset(&blocked, signal);
        pthread_sigmask(SIG_BLOCK, &blocked, &previous);
        std::thread(WakeLoop).detach();
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    } else {
        wakePipe[0] = wakePipe[1] = -1; // the flag alone: noticed at the next event or tick
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocking wait is cut short and sees the flag
    for (int signal : kSignals) {
        struct sigaction current {};
        sigaction(signal, nullptr, &current);
        // A signal ignored from the start (nohup, a parent that ignores SIGINT) stays ignored.
        if (current.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
}

} // namespace

void ListenForTermination() {
    static std::once_flag once;
    std::call_once(once, Listen);
}

} // namespace sixdice::platform
