// The browser's wait: SDL's own would wake every millisecond to look at its queue; here the game
// sleeps in the page's event loop until the page sees input (or the window changes) or the time
// is up, so an idle game costs nothing.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/EventWait.h"

#include "media/sdl/AudioOutput.h"
#include "media/sdl/FormLayers.h"

#include <algorithm>
#include <emscripten.h>

// Resolves on the first input event anywhere in the page or at the timeout. The wake comes as a
// task of its own after the event's dispatch, so SDL's handlers have queued the event by then.
EM_ASYNC_JS(void, sixdice_wait_for_input, (int milliseconds), {
    await new Promise(function(resolve) {
        const kinds = [
            "pointermove", "pointerdown", "pointerup", "mousemove", "mousedown", "mouseup",
            "keydown", "keyup", "keypress", "wheel", "touchstart", "touchmove", "touchend", "focus",
            "blur", "resize", "visibilitychange", "compositionend"
        ];
        let timer = 0;
        const wake = function() {
            clearTimeout(timer);
            for (const kind of kinds) {
                window.removeEventListener(kind, wake, true);
            }
            setTimeout(resolve, 0);
        };
        timer = setTimeout(wake, milliseconds);
        for (const kind of kinds) {
            window.addEventListener(kind, wake, true);
        }
    });
});

namespace sixdice::media::sdl {

// The longest single sleep: a bound on how late anything the page does not announce with an
// event (an audio context that finished, a fetch) is noticed.
constexpr int kLongestSleepMs = 1000;

bool WaitForSdlEvent(SDL_Event& e, int milliseconds) {
    const Uint64 deadline = SDL_GetTicks64() + Uint64(std::max(0, milliseconds));
    for (;;) {
        if (SDL_PollEvent(&e)) {
            // The forms are layers of the one canvas: their input arrives as the main window's.
            if (FormLayers::Instance().Route(e))
                return true;
            continue;
        }
        const Uint64 now = SDL_GetTicks64();
        if (now >= deadline)
            return false;
        Uint64 sleep = std::min<Uint64>(deadline - now, kLongestSleepMs);
        if (const std::optional<std::uint64_t> rest = RestAudioOutputIfSilent(now))
            sleep = std::min<Uint64>(sleep, *rest);
        sixdice_wait_for_input(int(sleep));
    }
}

} // namespace sixdice::media::sdl
