// A window the game draws itself besides the main one: the dialog and the error message box.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/sdl/FontCache.h"
#include "media/sdl/SdlPresenter.h"
#include "media/sdl/SurfaceCanvas.h"

#include <memory>
#include <string>

namespace sixdice::media::sdl {

struct FormWindowOptions {
    std::string caption;
    Size client;
    // Modal for this window while it is on the screen; the form is centred on its display.
    SDL_Window* owner = nullptr;
    // A small tool-window title bar with only a close box, where the desktop offers one.
    bool toolWindow = false;
    bool headless = false;
    bool softwareRenderer = true;
    // Screen pixels per drawn pixel: the window is this many times its client size.
    int scale = 1;
};

// The largest client area, in drawn pixels, that a form shown at `scale` for `owner` (or alone)
// can have whole on the screen.
Size FormWindowRoom(SDL_Window* owner, int scale);

// The SDL window with its own surface, canvas and presenter, hidden until the first Present.
class SdlFormWindow {
public:
    SdlFormWindow(const FormWindowOptions& options, FontCache& fonts);
    ~SdlFormWindow();
    SdlFormWindow(const SdlFormWindow&) = delete;
    SdlFormWindow& operator=(const SdlFormWindow&) = delete;
    // Empty when the window is ready, else the failure's text.
    const std::string& Failure() const { return failure_; }

    Uint32 Id() const { return id_; }
    SDL_Window* Handle() const { return window_.get(); }
    SurfaceCanvas& Canvas() { return canvas_; }
    Size ClientSize() const { return client_; }

    // Shows the surface; the first present puts the window on the screen and raises it.
    void Present();
    // Shows the last presented frame again (the window was uncovered).
    void Repaint();
    Picture Capture() const { return surface_ ? CapturePixels(*surface_) : Picture{}; }

private:
    // Members in order of creation; they go in reverse, the window last.
    SdlPtr<SDL_Window> window_;
    std::unique_ptr<SdlPresenter> presenter_;
    SdlPtr<SDL_Surface> surface_;
    SurfaceCanvas canvas_;
    [[maybe_unused]] SDL_Window* owner_; // unused where forms are layers of the main window
    Size client_;
    Uint32 id_ = 0;
    bool shown_ = false;
    std::string failure_;
};

} // namespace sixdice::media::sdl
