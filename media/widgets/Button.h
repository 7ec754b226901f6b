// A push button: caption, pressed look while held, focus rectangle, disabled look.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/widgets/Widget.h"

#include <string>

namespace sixdice::media::widgets {

// Activated by a left press and release both on the button, by Space (on its release) or by
// Return while it has the focus. A disabled button looks greyed and reacts to nothing.
class Button final : public Widget {
public:
    // The caption's font: "Arial Black" 8 pt in the dark ink of the game's gold plates.
    static TextStyle DefaultFont();

    Button(const Rect& bounds, std::string caption, TextStyle font = DefaultFont());

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // True while it is drawn pushed in (held by the mouse over it, or by Space).
    bool Pressed() const { return (mouseHeld_ && pointerInside_) || spaceHeld_; }

    bool Focusable() const override { return true; }
    void Paint(Canvas& canvas, const PaintState& state) override;
    Reaction MouseDown(const InputEvent& e, InputContext& context) override;
    Reaction MouseMove(const InputEvent& e, InputContext& context) override;
    Reaction MouseUp(const InputEvent& e, InputContext& context) override;
    Reaction KeyDown(const InputEvent& e, InputContext& context) override;
    Reaction KeyUp(const InputEvent& e, InputContext& context) override;
    void CancelPress() override;
    Reaction FocusChanged(bool gained, FocusCause cause) override;

private:
    std::string caption_;
    TextStyle font_;
    bool mouseHeld_ = false;
    bool pointerInside_ = false;
    bool spaceHeld_ = false;
};

} // namespace sixdice::media::widgets
