// The controls of one window: ownership, tab order, keyboard focus, routing of input, painting.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/widgets/Widget.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace sixdice::media::widgets {

// What the group did with one input event; the caller acts on these plain values.
struct GroupResult {
    // The event belongs to the controls, so the window's own handling must not see it: a mouse
    // event over a visible control (disabled ones included) or during a press that began on one
    // (until its Click), or a key or text event while a control has the focus.
    bool onControl = false;
    // The controls look different: paint them and present.
    bool repaint = false;
    // A button was activated (mouse click, Space or Return).
    std::optional<WidgetId> activated;
    // A key went up while this text box had the focus (whether or not the text changed).
    std::optional<WidgetId> keyReleasedIn;
    // This text box's text changed.
    std::optional<WidgetId> edited;
    // Escape went down (a form closes on it; the group does nothing else with it).
    bool escape = false;
};

// Routing: mouse events go to the topmost visible control under the pointer, and a control that
// took a left press keeps every mouse event until the release; keys and text go to the focused
// control. Tab and Shift+Tab move the focus through the visible, enabled controls in the order
// they were added. Return activates the default button when the focus is not on another button.
// The group follows its window's FocusGained/FocusLost events: in an inactive window the caret
// and the focus rectangle are not drawn and nothing blinks.
//
// Use: one group per window. For the main window, paint it from the overlay painter, so the
// controls lie over the surface without changing what the game drew:
//     graphics.SetOverlayPainter([&](Canvas& c) { group.Paint(c, events.Ticks()); });
// hand it every event of that window first (event.window == EventWindow::Main), give the game
// only what it did not take (!result.onControl), act on activated / keyReleasedIn / edited, and
// Present when result.repaint. Sleep in the message loop no longer than NextLookChange(now), and
// Present when LookChanged(now). For the dialog, paint the group on the Dialog after its
// background and Present the dialog. Present after an event that asks for a repaint before the
// next one is handled: a text box places the caret under the mouse by the widths it measured
// when it was last painted.
class WidgetGroup {
public:
    // How long the caret stays on and off.
    static constexpr std::uint64_t kCaretBlinkMs = 530;

    // The clipboard the text boxes copy to and paste from.
    explicit WidgetGroup(Shell& clipboard) : clipboard_(clipboard) {}

    // Adds a control (constructed from `args`) after the others: its id is its place in the tab
    // order, 0 for the first.
    template <class W, class... Args>
    W& Add(Args&&... args) {
        auto widget = std::make_unique<W>(std::forward<Args>(args)...);
        W& ref = *widget;
        ref.id_ = static_cast<WidgetId>(widgets_.size());
        widgets_.push_back(std::move(widget));
        return ref;
    }
    int Count() const { return static_cast<int>(widgets_.size()); }
    Widget& At(WidgetId id) { return *widgets_.at(std::size_t(id)); }
    const Widget& At(WidgetId id) const { return *widgets_.at(std::size_t(id)); }
    template <class W>
    W& Get(WidgetId id) {
        return dynamic_cast<W&>(At(id));
    }

    // The focused control, when it is visible and enabled.
    std::optional<WidgetId> Focused() const;
    // Gives the focus to a control as the program does (a text box then selects its text);
    // ignored for a hidden, disabled or unfocusable control.
    void SetFocus(WidgetId id, std::uint64_t now);
    void ClearFocus();
    void SetDefaultButton(std::optional<WidgetId> id) { defaultButton_ = id; }

    // The topmost visible control at a point.
    std::optional<WidgetId> WidgetAt(Point p) const;

    // Handles one event of the group's window; `now` is the event source's clock.
    GroupResult Handle(const InputEvent& event, std::uint64_t now);

    // Paints every visible control in order, the caret in its phase at `now`.
    void Paint(Canvas& canvas, std::uint64_t now);
    // The next moment the controls will look different by themselves (the caret's next blink),
    // or none when nothing blinks: the message loop may sleep until then.
    std::optional<std::uint64_t> NextLookChange(std::uint64_t now) const;
    // True when the controls at `now` look different from their last painting.
    bool LookChanged(std::uint64_t now) const;

private:
    bool Live(WidgetId id) const; // visible and enabled
    bool CanFocus(WidgetId id) const;
    bool CaretShown(std::uint64_t now) const;
    bool Blinking() const;
    void MoveFocus(std::optional<WidgetId> to, FocusCause cause, std::uint64_t now,
                   GroupResult& result);
    void TabFrom(bool backwards, std::uint64_t now, GroupResult& result);
    void Apply(WidgetId id, const Reaction& reaction, std::uint64_t now, GroupResult& result);
    void HandleMouse(const InputEvent& event, std::uint64_t now, GroupResult& result);
    void HandleKey(const InputEvent& event, std::uint64_t now, GroupResult& result);

    Shell& clipboard_;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::optional<WidgetId> focus_;
    std::optional<WidgetId> defaultButton_;
    std::optional<WidgetId> captured_; // the control that holds the left press
    bool pressOnSurface_ = false;      // the left press began off the controls
    bool clickOwned_ = false;          // the Click after the release belongs to the controls
    bool windowActive_ = true;
    std::uint64_t blinkStart_ = 0;
    std::optional<bool> paintedCaret_; // the caret's phase at the last painting
};

} // namespace sixdice::media::widgets
