// Routing input to the controls of one window, and the caret's blink.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/WidgetGroup.h"

#include "media/widgets/TextBox.h"

namespace sixdice::media::widgets {

bool WidgetGroup::Live(WidgetId id) const {
    return At(id).Visible() && At(id).Enabled();
}

bool WidgetGroup::CanFocus(WidgetId id) const {
    if (id < 0 || id >= Count())
        return false;
    const Widget& w = *widgets_[std::size_t(id)];
    return w.Visible() && w.Enabled() && w.Focusable();
}

std::optional<WidgetId> WidgetGroup::Focused() const {
    if (focus_ && CanFocus(*focus_))
        return focus_;
    return std::nullopt;
}

void WidgetGroup::SetFocus(WidgetId id, std::uint64_t now) {
    if (!CanFocus(id))
        return;
    GroupResult ignored;
    MoveFocus(id, FocusCause::Keyboard, now, ignored);
}

void WidgetGroup::ClearFocus() {
    GroupResult ignored;
    MoveFocus(std::nullopt, FocusCause::Keyboard, blinkStart_, ignored);
}

std::optional<WidgetId> WidgetGroup::WidgetAt(Point p) const {
    for (WidgetId id = Count() - 1; id >= 0; --id) {
        const Widget& w = *widgets_[std::size_t(id)];
        if (w.Visible() && w.Contains(p))
            return id;
    }
    return std::nullopt;
}

void WidgetGroup::Apply(WidgetId id, const Reaction& reaction, std::uint64_t now,
                        GroupResult& result) {
    result.repaint = result.repaint || reaction.repaint;
    if (reaction.activated)
        result.activated = id;
    if (reaction.edited)
        result.edited = id;
    if (reaction.typing)
        blinkStart_ = now;
}

void WidgetGroup::MoveFocus(std::optional<WidgetId> to, FocusCause cause, std::uint64_t now,
                            GroupResult& result) {
    if (focus_ == to)
        return;
    if (focus_ && *focus_ < Count())
        Apply(*focus_, At(*focus_).FocusChanged(false, cause), now, result);
    focus_ = to;
    if (to)
        Apply(*to, At(*to).FocusChanged(true, cause), now, result);
    blinkStart_ = now;
    result.repaint = true;
}

void WidgetGroup::TabFrom(bool backwards, std::uint64_t now, GroupResult& result) {
    const int n = Count();
    const int at = Focused().value_or(backwards ? 0 : n - 1);
    for (int step = 1; step <= n; ++step) {
        const int i = ((backwards ? at - step : at + step) % n + n) % n;
        if (CanFocus(i)) {
            MoveFocus(i, FocusCause::Keyboard, now, result);
            result.onControl = true;
            return;
        }
    }
}

GroupResult WidgetGroup::Handle(const InputEvent& event, std::uint64_t now) {
    GroupResult result;
    // A control hidden or disabled since the last event gives up the focus and any press.
    if (focus_ && !CanFocus(*focus_))
        MoveFocus(std::nullopt, FocusCause::Window, now, result);
    // A control hidden or disabled while it holds the press keeps the mouse events until the
    // release (they are not the window's) but no longer reacts to them.
    if (captured_ && !Live(*captured_))
        At(*captured_).CancelPress();

    switch (event.kind) {
    case EventKind::FocusGained:
        windowActive_ = true;
        if (const auto f = Focused())
            Apply(*f, At(*f).FocusChanged(true, FocusCause::Window), now, result);
        blinkStart_ = now;
        result.repaint = true;
        break;
    case EventKind::FocusLost:
        windowActive_ = false;
        if (const auto f = Focused())
            Apply(*f, At(*f).FocusChanged(false, FocusCause::Window), now, result);
        if (captured_)
            At(*captured_).CancelPress();
        captured_.reset();
        result.repaint = true;
        break;
    case EventKind::MouseMove:
    case EventKind::MouseDown:
    case EventKind::MouseUp:
    case EventKind::Click:
        HandleMouse(event, now, result);
        break;
    case EventKind::KeyDown:
    case EventKind::KeyUp:
    case EventKind::TextInput:
        HandleKey(event, now, result);
        break;
    case EventKind::CloseRequest:
    case EventKind::Terminate:
        break;
    }
    return result;
}

void WidgetGroup::HandleMouse(const InputEvent& event, std::uint64_t now, GroupResult& result) {
    InputContext context{clipboard_, now};
    const std::optional<WidgetId> hit = WidgetAt({event.x, event.y});
    const bool left = event.button == 1;
    switch (event.kind) {
    case EventKind::MouseDown:
        if (left) {
            pressOnSurface_ = !hit;
            clickOwned_ = hit.has_value();
        }
        result.onControl = hit.has_value();
        if (left && hit)
            captured_ = *hit;
        if (hit && At(*hit).Enabled()) {
            Widget& w = At(*hit);
            if (left && w.Focusable())
                MoveFocus(*hit, FocusCause::Mouse, now, result);
            Apply(*hit, w.MouseDown(event, context), now, result);
        }
        break;
    case EventKind::MouseMove:
        if (captured_) {
            result.onControl = true;
            if (Live(*captured_))
                Apply(*captured_, At(*captured_).MouseMove(event, context), now, result);
        } else {
            result.onControl = !pressOnSurface_ && hit.has_value();
        }
        break;
    case EventKind::MouseUp:
        if (left && captured_) {
            const WidgetId id = *captured_;
            captured_.reset();
            result.onControl = true;
            if (Live(id))
                Apply(id, At(id).MouseUp(event, context), now, result);
        } else if (left && pressOnSurface_) {
            pressOnSurface_ = false;
        } else {
            result.onControl = hit.has_value();
            if (hit && At(*hit).Enabled())
                Apply(*hit, At(*hit).MouseUp(event, context), now, result);
        }
        break;
    default: // Click: it follows the press it belongs to
        result.onControl = clickOwned_;
        clickOwned_ = false;
        break;
    }
}

void WidgetGroup::HandleKey(const InputEvent& event, std::uint64_t now, GroupResult& result) {
    InputContext context{clipboard_, now};
    const std::optional<WidgetId> focused = Focused();
    if (event.kind == EventKind::KeyDown) {
        if (event.key == Key::Escape)
            result.escape = true;
        if (event.key == Key::Tab && !event.modifiers.ctrl && !event.modifiers.alt) {
            TabFrom(event.modifiers.shift, now, result);
            return;
        }
        const bool onButton = focused && !dynamic_cast<const TextBox*>(&At(*focused));
        if (event.key == Key::Return && !onButton && defaultButton_ && CanFocus(*defaultButton_)) {
            result.onControl = true;
            Apply(*defaultButton_, At(*defaultButton_).KeyDown(event, context), now, result);
            return;
        }
    }
    if (!focused)
        return;
    result.onControl = true;
    Widget& w = At(*focused);
    switch (event.kind) {
    case EventKind::KeyDown:
        Apply(*focused, w.KeyDown(event, context), now, result);
        break;
    case EventKind::KeyUp:
        Apply(*focused, w.KeyUp(event, context), now, result);
        if (dynamic_cast<const TextBox*>(&w))
            result.keyReleasedIn = *focused;
        break;
    default:
        Apply(*focused, w.TextInput(event, context), now, result);
        break;
    }
}

bool WidgetGroup::Blinking() const {
    const auto f = Focused();
    return windowActive_ && f && dynamic_cast<const TextBox*>(widgets_[std::size_t(*f)].get());
}

bool WidgetGroup::CaretShown(std::uint64_t now) const {
    const std::uint64_t since = now > blinkStart_ ? now - blinkStart_ : 0;
    return Blinking() && (since / kCaretBlinkMs) % 2 == 0;
}

void WidgetGroup::Paint(Canvas& canvas, std::uint64_t now) {
    const std::optional<WidgetId> focused = windowActive_ ? Focused() : std::nullopt;
    for (const auto& w : widgets_) {
        if (!w->Visible())
            continue;
        PaintState state;
        state.focused = focused == w->Id();
        state.caretOn = state.focused && CaretShown(now);
        state.defaultButton = defaultButton_ == w->Id();
        w->Paint(canvas, state);
    }
    paintedCaret_ = Blinking() ? std::optional<bool>(CaretShown(now)) : std::nullopt;
}

std::optional<std::uint64_t> WidgetGroup::NextLookChange(std::uint64_t now) const {
    if (!Blinking())
        return std::nullopt;
    const std::uint64_t since = now > blinkStart_ ? now - blinkStart_ : 0;
    return blinkStart_ + (since / kCaretBlinkMs + 1) * kCaretBlinkMs;
}

bool WidgetGroup::LookChanged(std::uint64_t now) const {
    const std::optional<bool> caret =
        Blinking() ? std::optional<bool>(CaretShown(now)) : std::nullopt;
    return caret != paintedCaret_;
}

} // namespace sixdice::media::widgets
