// A second top-level window of the game, modal for the main window: the e-mail form.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/MediaTypes.h"
#include "media/listfile/ListData.h"

#include <string>

namespace sixdice::media {

// One dialog window at a time, made when it is opened and destroyed when it is closed (nothing
// of it exists at start-up). Drawing works like the main window's: draw on this canvas (client
// pixels, (0, 0) top-left), then Present. Its input arrives from the same event source as the
// main window's, tagged EventWindow::Dialog; its close box gives a CloseRequest tagged Dialog,
// and the caller decides whether to Close. While a dialog is open, input of the main window
// still arrives tagged EventWindow::Main: a modal form's caller drops it (the main window's
// timers and music go on). A typical round:
//
//     Dialog& d = services.dialog();
//     d.Open("HIGHSCORE on-line", {356, 117});
//     d.DrawPicture(background, 0, 0);
//     controls.Paint(d, now);   // a widgets::WidgetGroup of the form
//     d.Present();              // the window appears with this first frame
//     ... events tagged Dialog go to controls.Handle(event, now); repaint, Present ...
//     d.Close();
class Dialog : public Canvas {
public:
    // Makes the window, hidden until the first Present: caption, client area of `client` pixels,
    // a small tool-window title bar with only a close box where the desktop offers one, modal for
    // the main window, centred on the screen. A dialog still open is closed first. Returns the
    // failure's text (the dialog then stays closed).
    virtual MediaError Open(const std::string& caption, Size client) = 0;
    virtual bool IsOpen() const = 0;
    // Destroys the window; drawing and presenting do nothing until the next Open.
    virtual void Close() = 0;

    // Copies a whole picture (0x00RRGGBB) with its top-left at (x, y), clipped.
    virtual void DrawPicture(const Picture& picture, int x, int y) = 0;
    // Shows what was drawn in the window (showing the window at the first present).
    virtual void Present() = 0;
    // The client area's current pixels, for tests and screenshots (empty when closed).
    virtual Picture Capture() const = 0;
};

} // namespace sixdice::media
