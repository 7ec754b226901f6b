// The error box's window and loop; the form inside it is the widget layer's ErrorForm.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlErrorBox.h"

#include "media/sdl/EventWait.h"
#include "media/sdl/SdlEvents.h"
#include "media/sdl/SdlFormWindow.h"
#include "media/widgets/ErrorForm.h"
#include "platform/Termination.h"

#include <cstdio>

namespace sixdice::media::sdl {
namespace {

// The longest sleep between two looks at the queue; SDL wakes at once for any event.
constexpr int kWaitSliceMs = 1000;

InputEvent WindowEvent(EventKind kind) {
    InputEvent e;
    e.kind = kind;
    return e;
}

} // namespace

void WriteToStandardError(const std::string& utf8) {
    std::fprintf(stderr, "%s\n", utf8.c_str());
    std::fflush(stderr);
}

bool VideoShowsWindows() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcasecmp(driver, "offscreen") != 0 &&
           SDL_strcasecmp(driver, "dummy") != 0;
}

bool RunErrorBox(const ErrorBoxContext& context, const std::string& message) {
    if (!VideoShowsWindows())
        return false;
    SurfaceCanvas measure(context.fonts);
    const Size room = FormWindowRoom(context.owner, context.scale);
    widgets::ErrorForm form(message, measure, room, context.clipboard);
    FormWindowOptions options;
    options.caption = context.title;
    options.client = form.ClientSize();
    options.owner = context.owner;
    options.softwareRenderer = context.softwareRenderer;
    options.scale = context.scale;
    SdlFormWindow window(options, context.fonts);
    if (!window.Failure().empty()) {
        WriteToStandardError(window.Failure());
        return false;
    }
    const std::uint64_t start = SDL_GetTicks64();
    const auto now = [&] { return SDL_GetTicks64() - start; };
    const auto paint = [&] {
        form.Paint(window.Canvas(), now());
        window.Present();
    };
    paint();

    bool quit = false;
    for (bool done = false; !done;) {
        SDL_Event e;
        if (platform::TerminationRequested()) {
            quit = true;
            break;
        }
        if (!WaitForSdlEvent(e, kWaitSliceMs))
            continue;
        if (e.type == SDL_QUIT) {
            quit = true;
            break;
        }
        if (WindowIdOf(e) != window.Id()) {
            if (context.otherWindows)
                context.otherWindows(e);
            continue;
        }
        std::optional<InputEvent> input = TranslateInput(e, context.scale);
        if (e.type == SDL_WINDOWEVENT) {
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                input = WindowEvent(EventKind::CloseRequest);
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                input = WindowEvent(EventKind::FocusGained);
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                input = WindowEvent(EventKind::FocusLost);
                break;
            case SDL_WINDOWEVENT_EXPOSED:
                window.Repaint();
                break;
            default:
                break;
            }
        }
        if (!input)
            continue;
        switch (form.Handle(*input, now())) {
        case widgets::ErrorForm::Outcome::Dismissed:
            done = true;
            break;
        case widgets::ErrorForm::Outcome::Repaint:
            paint();
            break;
        case widgets::ErrorForm::Outcome::None:
            break;
        }
    }
    if (quit) {
        SDL_Event again{};
        again.type = SDL_QUIT;
        SDL_PushEvent(&again);
    }
    return true;
}

void SdlMessageBox::ShowError(const std::string& utf8) {
    WriteToStandardError(utf8);
    if (!headless_)
        RunErrorBox(context_, utf8);
}

} // namespace sixdice::media::sdl
