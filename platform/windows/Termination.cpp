// Termination requests on Windows: the console's Ctrl+C, Ctrl+Break and close, and the end of the
// session. Windows calls the console handler on a thread of its own, so it may wake the waiting
// thread directly; the session's end arrives as a window message (SessionEnd).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

#include "platform/TerminationRequests.h"

#include <mutex>
#include <windows.h>

namespace sixdice::platform {
namespace {

BOOL WINAPI OnConsoleEvent(DWORD type) {
    switch (type) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        RequestTermination();
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        RequestTermination();
        // Windows ends the process as soon as this handler returns; the main thread ends it
        // first, in order, and this thread ends with it.
        Sleep(INFINITE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void ListenForTermination() {
    static std::once_flag once;
    std::call_once(once, [] { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); });
}

} // namespace sixdice::platform
