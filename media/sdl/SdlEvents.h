// The event source over SDL's queue: translates input, handles repaint and restore itself.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Events.h"
#include "media/sdl/SdlDialog.h"
#include "media/sdl/SdlGraphics.h"
#include "media/sdl/SdlWindow.h"

#include <deque>

namespace sixdice::media::sdl {

// The input part of an SDL event (mouse, keys, text) in the game's terms, not yet tagged with a
// window, mouse positions in drawn pixels of a window shown at `scale`; none for every other kind
// of event.
std::optional<InputEvent> TranslateInput(const SDL_Event& e, int scale = 1);

// The window an SDL event belongs to; none for events of no window (quit, device changes).
std::optional<Uint32> WindowIdOf(const SDL_Event& e);

class SdlEvents final : public EventSource {
public:
    SdlEvents(SDL_Window* window, SdlWindow& owner, SdlGraphics& graphics, SdlDialog& dialog,
              bool headless, int scale = 1);

    std::optional<InputEvent> WaitEvent(int timeoutMs) override;
    std::uint64_t Ticks() const override { return SDL_GetTicks64() - start_; }
    void Delay(int milliseconds) override;

    // An event that arrived while a modal message box waited in its own loop: uncovered windows
    // are repainted at once, close and termination requests and focus changes are kept for the
    // game, input is dropped (the box is modal).
    void DuringModal(const SDL_Event& e);

private:
    // The event for the game, or nothing when SDL's event was handled here or is of no interest.
    std::optional<InputEvent> Translate(const SDL_Event& e);
    // The window an SDL window id belongs to; none for a window that is neither ours nor open.
    std::optional<EventWindow> WindowOf(Uint32 windowId) const;
    // One SDL event, waiting at most `milliseconds`.
    bool NextSdlEvent(SDL_Event& e, int milliseconds);

    Uint32 windowId_;
    SdlWindow& owner_;
    SdlGraphics& graphics_;
    SdlDialog& dialog_;
    std::uint64_t start_;
    bool headless_;
    int scale_;
    bool leftPressed_[2] = {false, false}; // per EventWindow: a left press began over it
    std::deque<InputEvent> pending_;
};

} // namespace sixdice::media::sdl
