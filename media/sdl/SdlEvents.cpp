// Waiting in SDL_WaitEventTimeout, so an idle game sleeps; clicks are made from press + release.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlEvents.h"

#include "media/sdl/EventWait.h"
#include "media/sdl/SdlScale.h"
#include "platform/Termination.h"

#include <algorithm>
#include <ctime>

namespace sixdice::media::sdl {
namespace {

Key KeyOf(SDL_Keycode code) {
    switch (code) {
    case SDLK_BACKSPACE:
        return Key::Backspace;
    case SDLK_DELETE:
        return Key::Delete;
    case SDLK_LEFT:
        return Key::Left;
    case SDLK_RIGHT:
        return Key::Right;
    case SDLK_HOME:
        return Key::Home;
    case SDLK_END:
        return Key::End;
    case SDLK_TAB:
        return Key::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return Key::Return;
    case SDLK_ESCAPE:
        return Key::Escape;
    case SDLK_SPACE:
        return Key::Space;
    case SDLK_INSERT:
        return Key::Insert;
    case SDLK_a:
        return Key::A;
    case SDLK_c:
        return Key::C;
    case SDLK_v:
        return Key::V;
    case SDLK_x:
        return Key::X;
    case SDLK_z:
        return Key::Z;
    default:
        return Key::Other;
    }
}

Modifiers ModifiersOf(Uint16 mod) {
    return {(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0, (mod & KMOD_ALT) != 0};
}

// The longest single sleep of a headless wait: a bound on how late a termination signal that
// reached another thread is noticed. SDL's own threads and the termination listener block those
// signals, so one normally cuts the sleep short at once.
constexpr std::uint64_t HeadlessSleepSlice = 250;

// Sleeps up to `milliseconds`; returns early when a signal handler ran (the termination handler
// sets its flag there). SDL_Delay would sleep on through it.
void SleepUnlessSignalled(std::uint64_t milliseconds) {
    timespec wanted{};
    wanted.tv_sec = static_cast<std::time_t>(milliseconds / 1000);
    wanted.tv_nsec = static_cast<long>(milliseconds % 1000) * 1'000'000L;
    (void)nanosleep(&wanted, nullptr);
}

InputEvent TerminateEvent() {
    InputEvent e;
    e.kind = EventKind::Terminate;
    return e;
}

} // namespace

SdlEvents::SdlEvents(SDL_Window* window, SdlWindow& owner, SdlGraphics& graphics, SdlDialog& dialog,
                     bool headless, int scale)
    : windowId_(SDL_GetWindowID(window)), owner_(owner), graphics_(graphics), dialog_(dialog),
      start_(SDL_GetTicks64()), headless_(headless), scale_(scale) {}

std::optional<EventWindow> SdlEvents::WindowOf(Uint32 windowId) const {
    if (windowId == windowId_)
        return EventWindow::Main;
    if (dialog_.WindowId() == windowId)
        return EventWindow::Dialog;
    return std::nullopt;
}

bool SdlEvents::NextSdlEvent(SDL_Event& e, int milliseconds) {
    if (milliseconds <= 0 || !headless_)
        return WaitForSdlEvent(e, milliseconds);
    // The dummy video driver cannot block on its queue, and SDL would poll it every millisecond.
    // Nothing from outside reaches a headless window but a termination signal, which interrupts
    // the sleep, so the wait sleeps through to its deadline.
    const std::uint64_t deadline = SDL_GetTicks64() + std::uint64_t(milliseconds);
    for (;;) {
        if (SDL_PollEvent(&e))
            return true;
        const std::uint64_t now = SDL_GetTicks64();
        if (now >= deadline || platform::TerminationRequested())
            return false;
        SleepUnlessSignalled(std::min(deadline - now, HeadlessSleepSlice));
    }
}

void SdlEvents::Delay(int milliseconds) {
    SDL_Delay(Uint32(std::max(0, milliseconds)));
}

std::optional<InputEvent> SdlEvents::WaitEvent(int timeoutMs) {
    // The system's request to end goes before everything still queued.
    if (platform::TerminationRequested())
        return TerminateEvent();
    if (owner_.TakeFirstRestore())
        graphics_.RaiseRestore();
    if (!pending_.empty()) {
        InputEvent e = pending_.front();
        pending_.pop_front();
        return e;
    }
    const std::uint64_t deadline = SDL_GetTicks64() + std::uint64_t(std::max(0, timeoutMs));
    for (;;) {
        SDL_Event e;
        const std::uint64_t now = SDL_GetTicks64();
        const int left = now >= deadline ? 0 : int(deadline - now);
        if (!NextSdlEvent(e, left)) {
            if (platform::TerminationRequested())
                return TerminateEvent();
            return std::nullopt;
        }
        if (auto translated = Translate(e))
            return translated;
        if (!pending_.empty()) {
            InputEvent p = pending_.front();
            pending_.pop_front();
            return p;
        }
    }
}

std::optional<InputEvent> SdlEvents::Translate(const SDL_Event& e) {
    InputEvent out;
    if (e.type == SDL_QUIT) {
        // The termination listener's wake-up, or the system's own quit (SDL sends none for a
        // closed window: the game asks it not to).
        out.kind = EventKind::Terminate;
        return out;
    }
    if (e.type == SDL_RENDER_DEVICE_RESET) {
        // The device was lost with every texture: they are made anew and the game is told, as
        // after a lost drawing surface.
        graphics_.RecreateTextures();
        return std::nullopt;
    }
    if (e.type == SDL_RENDER_TARGETS_RESET) {
        // Only textures drawn into by the renderer lose their contents; Direct3D resets its
        // device so whenever the window changes size. The frame's texture is not one of them:
        // it is shown again, and the game, which lost nothing, is not told.
        graphics_.Repaint();
        return std::nullopt;
    }
    const std::optional<Uint32> windowId = WindowIdOf(e);
    if (!windowId)
        return std::nullopt;
    const std::optional<EventWindow> window = WindowOf(*windowId);
    if (!window)
        return std::nullopt;
    out.window = *window;
    bool& leftPressed = leftPressed_[*window == EventWindow::Main ? 0 : 1];

    if (e.type != SDL_WINDOWEVENT) {
        std::optional<InputEvent> input = TranslateInput(e, scale_);
        if (!input)
            return std::nullopt;
        input->window = *window;
        if (input->button == SDL_BUTTON_LEFT) {
            if (input->kind == EventKind::MouseDown) {
                leftPressed = true;
            } else if (input->kind == EventKind::MouseUp && leftPressed) {
                leftPressed = false;
                InputEvent click = *input;
                click.kind = EventKind::Click;
                pending_.push_back(click);
            }
        }
        return input;
    }
    switch (e.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        out.kind = EventKind::CloseRequest;
        return out;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        out.kind = EventKind::FocusGained;
        return out;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        out.kind = EventKind::FocusLost;
        return out;
    case SDL_WINDOWEVENT_EXPOSED:
        if (*window == EventWindow::Main)
            graphics_.Repaint();
        else
            dialog_.Repaint();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void SdlEvents::DuringModal(const SDL_Event& e) {
    // A press that began before the box never becomes a click after it.
    leftPressed_[0] = leftPressed_[1] = false;
    const std::optional<InputEvent> translated = Translate(e);
    if (translated &&
        (translated->kind == EventKind::CloseRequest || translated->kind == EventKind::Terminate ||
         translated->kind == EventKind::FocusGained || translated->kind == EventKind::FocusLost))
        pending_.push_back(*translated);
}

std::optional<InputEvent> TranslateInput(const SDL_Event& e, int scale) {
    InputEvent out;
    switch (e.type) {
    case SDL_MOUSEMOTION:
        out.kind = EventKind::MouseMove;
        out.x = Unscaled(e.motion.x, scale);
        out.y = Unscaled(e.motion.y, scale);
        return out;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.kind = e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp;
        out.x = Unscaled(e.button.x, scale);
        out.y = Unscaled(e.button.y, scale);
        out.button = e.button.button;
        out.clicks = e.button.clicks;
        return out;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out.kind = e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp;
        out.key = KeyOf(e.key.keysym.sym);
        out.modifiers = ModifiersOf(e.key.keysym.mod);
        return out;
    case SDL_TEXTINPUT:
        out.kind = EventKind::TextInput;
        out.text = e.text.text;
        return out;
    default:
        return std::nullopt;
    }
}

std::optional<Uint32> WindowIdOf(const SDL_Event& e) {
    switch (e.type) {
    case SDL_WINDOWEVENT:
        return e.window.windowID;
    case SDL_MOUSEMOTION:
        return e.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return e.button.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return e.key.windowID;
    case SDL_TEXTINPUT:
        return e.text.windowID;
    default:
        return std::nullopt;
    }
}

} // namespace sixdice::media::sdl
