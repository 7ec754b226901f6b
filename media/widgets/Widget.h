// The base of every control: its place, whether it is shown and enabled, and what the group asks.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/Events.h"
#include "media/MediaTypes.h"
#include "media/Shell.h"

#include <cstdint>
#include <string>

namespace sixdice::media::widgets {

// A control's number in its group: the order it was added in, which is also the tab order.
using WidgetId = int;

// A font as the canvas takes it.
struct TextStyle {
    std::string face = kMsSansSerif;
    int points = 8;
    Rgb colour{0, 0, 0};
};

// What a control tells its group after an input.
struct Reaction {
    bool repaint = false;   // the control looks different now
    bool activated = false; // a button was pressed and released (or Space, or Return)
    bool edited = false;    // a text box's text changed
    bool typing = false;    // the caret moved or the text changed: the caret shows at once
};

// How the group wants a control painted.
struct PaintState {
    bool focused = false;       // the control has the keyboard focus and its window is active
    bool caretOn = false;       // the blinking caret is in its visible phase
    bool defaultButton = false; // Return anywhere in the group activates this button
};

// How a control came by the focus, or lost it.
enum class FocusCause {
    Mouse,    // a press on the control
    Keyboard, // Tab or Shift+Tab, or the program giving it the focus
    Window,   // its window became active again (or lost the focus; or the control was hidden)
};

// What a control may use while it handles an input.
struct InputContext {
    Shell& clipboard;
    std::uint64_t now = 0;
};

class Widget {
public:
    explicit Widget(const Rect& bounds) : bounds_(bounds) {}
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    WidgetId Id() const { return id_; }
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds) { bounds_ = bounds; }
    // Hidden controls are not painted, take no input and are skipped by the tab order.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // Disabled controls are painted greyed, still cover the surface, but react to nothing.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Contains(Point p) const {
        return p.x >= bounds_.x && p.y >= bounds_.y && p.x < bounds_.x + bounds_.width &&
               p.y < bounds_.y + bounds_.height;
    }

    // True for controls that take the keyboard focus and a place in the tab order.
    virtual bool Focusable() const { return false; }
    virtual void Paint(Canvas& canvas, const PaintState& state) = 0;

    // Inputs the group hands on; mouse positions are in surface pixels. A control that took the
    // left press gets every move and the release until the button goes up.
    virtual Reaction MouseDown(const InputEvent&, InputContext&) { return {}; }
    virtual Reaction MouseMove(const InputEvent&, InputContext&) { return {}; }
    virtual Reaction MouseUp(const InputEvent&, InputContext&) { return {}; }
    virtual Reaction KeyDown(const InputEvent&, InputContext&) { return {}; }
    virtual Reaction KeyUp(const InputEvent&, InputContext&) { return {}; }
    virtual Reaction TextInput(const InputEvent&, InputContext&) { return {}; }
    // A press in progress is given up: the window went inactive, or the control was hidden or
    // disabled while held.
    virtual void CancelPress() {}
    // The focus came or went; a press or a held key is given up when it goes.
    virtual Reaction FocusChanged(bool gained, FocusCause cause) {
        (void)gained;
        (void)cause;
        return {};
    }

private:
    friend class WidgetGroup;
    WidgetId id_ = -1;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
};

} // namespace sixdice::media::widgets
