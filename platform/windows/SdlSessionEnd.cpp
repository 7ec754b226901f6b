// The end of the Windows session: WM_ENDSESSION with a true wParam, seen through SDL's
// window-system events. SDL hands each window message to its event filter from inside the window
// procedure, before the message has been answered, which is the last moment the program runs.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlSessionEnd.h"

#include "platform/Termination.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <windows.h>

namespace sixdice::media::sdl {
namespace {

void (*endNowFunction)() = nullptr;

int SDLCALL FilterWindowMessages(void*, SDL_Event* e) {
    if (e->type != SDL_SYSWMEVENT)
        return 1;
    const SDL_SysWMmsg* message = e->syswm.msg;
    if (message && message->subsystem == SDL_SYSWM_WINDOWS &&
        message->msg.win.msg == WM_ENDSESSION && message->msg.win.wParam) {
        platform::RequestTermination();
        if (endNowFunction)
            endNowFunction();
    }
    // The other window messages are not the game's: they stay out of the queue.
    return 0;
}

} // namespace

void WatchSessionEnd(void (*endNow)()) {
    endNowFunction = endNow;
    SDL_SetEventFilter(FilterWindowMessages, nullptr);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void StopWatchingSessionEnd() {
    SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
    SDL_SetEventFilter(nullptr, nullptr);
    endNowFunction = nullptr;
}

} // namespace sixdice::media::sdl
