// Input from the window and the clock: what the message loop waits for.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sixdice::media {

enum class EventKind {
    MouseMove,    // x, y in surface pixels (the dialog's: in its client pixels)
    MouseDown,    // button, x, y, clicks
    MouseUp,      // button, x, y, clicks
    Click,        // after a left MouseUp whose press was also over the window; x, y of the release
    KeyDown,      // key, modifiers
    KeyUp,        // key, modifiers
    TextInput,    // text (UTF-8) typed
    CloseRequest, // the window's close box, the system menu or the platform's close key
    Terminate,   // the system ends the program (a signal, the session's end): at once, no questions
    FocusGained, // the program became the active application
    FocusLost,
};

// The keys the controls react to; every other key arrives as Other.
enum class Key {
    Other,
    Backspace,
    Delete,
    Left,
    Right,
    Home,
    End,
    Tab,
    Return,
    Escape,
    Space,
    Insert,
    A,
    C,
    V,
    X,
    Z
};

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const Modifiers&, const Modifiers&) = default;
};

// Which window an event belongs to: the main window, or the open dialog (media/Dialog.h). Events
// of the program as a whole (a termination request) count as the main window's.
enum class EventWindow { Main, Dialog };

struct InputEvent {
    EventKind kind = EventKind::MouseMove;
    EventWindow window = EventWindow::Main;
    int x = 0;
    int y = 0;
    int button = 0; // 1 left, 2 middle, 3 right
    int clicks = 0; // presses in quick succession at one spot: 1 single, 2 double click, ...
    Key key = Key::Other;
    Modifiers modifiers;
    std::string text;
};

class EventSource {
public:
    virtual ~EventSource() = default;

    // Waits at most timeoutMs (0 = do not wait) for the next event. Work the window does by itself
    // (repainting when uncovered, the surface's restore notification) happens inside this call.
    virtual std::optional<InputEvent> WaitEvent(int timeoutMs) = 0;
    // Milliseconds since the services started, never going back.
    virtual std::uint64_t Ticks() const = 0;
    // Sleeps the thread (used by the blocking sound wait).
    virtual void Delay(int milliseconds) = 0;
};

} // namespace sixdice::media
