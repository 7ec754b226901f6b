// The error message box over SDL: a window of our own, with its own small event loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MessageBox.h"
#include "media/Shell.h"
#include "media/sdl/FontCache.h"

#include <functional>
#include <string>

namespace sixdice::media::sdl {

struct ErrorBoxContext {
    std::string title; // the window's caption: the application title
    FontCache& fonts;
    Shell& clipboard;
    // The main window, when there is one: the box is modal for it while it is on the screen.
    SDL_Window* owner = nullptr;
    bool softwareRenderer = true;
    // Receives the events of the game's other windows while the box waits (may be empty).
    std::function<void(const SDL_Event&)> otherWindows;
    // Screen pixels per drawn pixel, as for the game's windows.
    int scale = 1;
};

// Shows the message in its box and waits, asleep between events, until the player dismisses it
// (Return, Escape, Space, OK, or the close box). A quit signal also ends the wait and is put
// back for the game. False when no window could be shown (the reason goes to standard error).
bool RunErrorBox(const ErrorBoxContext& context, const std::string& message);

// The text on standard error, a line of its own, at once.
void WriteToStandardError(const std::string& utf8);

// True when SDL's video driver shows windows to somebody: false for the drivers that only pretend
// ("offscreen", which SDL takes where no display exists, and "dummy"), where a box would wait for
// a player who cannot see it.
bool VideoShowsWindows();

class SdlMessageBox final : public MessageBox {
public:
    // In headless mode the text goes to standard error only.
    SdlMessageBox(ErrorBoxContext context, bool headless)
        : context_(std::move(context)), headless_(headless) {}
    void ShowError(const std::string& utf8) override;

private:
    ErrorBoxContext context_;
    bool headless_;
};

} // namespace sixdice::media::sdl
