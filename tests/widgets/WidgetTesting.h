// Events and a canvas for the widget tests: the recording double with six pixels per character.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/testing/RecordingServices.h"
#include "media/widgets/WidgetGroup.h"

#include <gtest/gtest.h>

namespace sixdice::media::widgets::testing {

inline InputEvent Plain(EventKind kind) {
    InputEvent e;
    e.kind = kind;
    return e;
}
inline InputEvent KeyEvent(EventKind kind, Key key, Modifiers m = {}) {
    InputEvent e;
    e.kind = kind;
    e.key = key;
    e.modifiers = m;
    return e;
}
inline InputEvent Down(Key key, Modifiers m = {}) {
    return KeyEvent(EventKind::KeyDown, key, m);
}
inline InputEvent Up(Key key, Modifiers m = {}) {
    return KeyEvent(EventKind::KeyUp, key, m);
}
inline InputEvent Typed(const std::string& text) {
    InputEvent e;
    e.kind = EventKind::TextInput;
    e.text = text;
    return e;
}
inline InputEvent Mouse(EventKind kind, int x, int y, int clicks = 1, Modifiers m = {}) {
    InputEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.button = kind == EventKind::MouseMove ? 0 : 1;
    e.clicks = kind == EventKind::MouseMove ? 0 : clicks;
    e.modifiers = m;
    return e;
}
inline constexpr Modifiers kShift{true, false, false};
inline constexpr Modifiers kCtrl{false, true, false};

// A group on the recording double, whose canvas makes every character six pixels wide and whose
// shell holds the clipboard.
class WidgetTest : public ::testing::Test {
protected:
    static constexpr int kCharWidth = 6;

    WidgetTest() {
        services_.SetTextWidthFunction([](const std::string& text, int) {
            int n = 0;
            for (unsigned char c : text)
                n += (c & 0xC0) != 0x80;
            return n * kCharWidth;
        });
    }

    GroupResult Send(const InputEvent& e) { return group_.Handle(e, now_); }
    // A left press and release at one point, with the click the event source makes after them.
    GroupResult ClickAt(int x, int y) {
        Send(Mouse(EventKind::MouseDown, x, y));
        GroupResult r = Send(Mouse(EventKind::MouseUp, x, y));
        const GroupResult click = Send(Mouse(EventKind::Click, x, y));
        r.onControl = r.onControl && click.onControl;
        return r;
    }
    void TypeText(const std::string& text) { Send(Typed(text)); }
    void Paint() { group_.Paint(services_.graphics(), now_); }
    Canvas& canvas() { return services_.graphics(); }
    std::string Clipboard() { return services_.shell().ClipboardText(); }
    std::uint32_t PixelAt(int x, int y) { return services_.graphics().CaptureSurface().at(x, y); }

    media::testing::RecordingServices services_;
    WidgetGroup group_{services_.shell()};
    std::uint64_t now_ = 1000;
};

inline std::uint32_t PixelOf(Rgb c) {
    return (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue;
}

} // namespace sixdice::media::widgets::testing
