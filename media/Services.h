// All media services of the game behind one object, and the factory of the SDL build.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Dialog.h"
#include "media/Events.h"
#include "media/Graphics.h"
#include "media/MessageBox.h"
#include "media/Music.h"
#include "media/Pointer.h"
#include "media/Shell.h"
#include "media/Sound.h"
#include "media/Window.h"

#include <memory>
#include <optional>
#include <string>

namespace sixdice::media {

class Services {
public:
    virtual ~Services() = default;
    virtual Window& window() = 0;
    virtual Graphics& graphics() = 0;
    virtual Sound& sound() = 0;
    virtual MediaPlayer& music() = 0;
    virtual Pointer& pointer() = 0;
    virtual Shell& shell() = 0;
    virtual MessageBox& messageBox() = 0;
    virtual EventSource& events() = 0;
    // The second window (the e-mail form); its window exists only while it is open.
    virtual Dialog& dialog() = 0;
};

struct ServiceOptions {
    // The title the desktop shows for the program and the message boxes' caption.
    std::string applicationTitle = "Šest kostek";
    // Window caption until the game sets one.
    std::string caption;
    Layout layout = Layout::Small;
    // SDL's dummy video and audio drivers: everything runs, nothing reaches a display or speaker.
    // Also chosen by the environment variable SIXDICE_HEADLESS=1.
    bool headless = false;
    // Presents wait for the vertical blank; benchmarks turn this off to time the work alone.
    bool vsync = true;
    // The display scale the player asked for (--scale); otherwise the environment or the desktop
    // decides, and 1 where nothing does.
    std::optional<int> scale;
};

struct ServicesResult {
    std::unique_ptr<Services> services; // null on failure
    std::string error;                  // the failure's text
    // The failure is that there is no desktop to show the window on (and no --headless): no box
    // can show it, and the player needs to hear where to start the game instead.
    bool noDesktop = false;
};

// Starts SDL (video, audio, fonts, mixer) and creates the window, hidden until Window::Show().
// Unless headless, fails with noDesktop where no desktop is announced or SDL would take an
// invisible video driver that was not asked for. From now on the system's requests to end the
// program arrive as EventKind::Terminate. Only one instance may exist at a time. Defined in the
// SDL build (sixdice_media_sdl).
ServicesResult CreateSdlServices(const ServiceOptions& options);

// The error message box for failures before (or instead of) the services: the text on standard
// error and, unless headless (or SIXDICE_HEADLESS=1), in the game's own message box, for which it
// starts SDL's video and fonts by itself; without a display, standard error only. Defined in the
// SDL build.
void ShowErrorWithoutServices(const std::string& title, const std::string& utf8,
                              bool headless = false);

// True when SIXDICE_HEADLESS is set to 1 in the environment.
bool HeadlessRequested();

} // namespace sixdice::media
