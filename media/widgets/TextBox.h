// A one-line text box: caret, selection, clipboard, a length limit and a filter of characters.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/widgets/EditText.h"
#include "media/widgets/Widget.h"

#include <functional>
#include <string>
#include <vector>

namespace sixdice::media::widgets {

struct TextBoxStyle {
    TextStyle font; // "MS Sans Serif" 8 pt, black
    Rgb background{255, 255, 255};
    EditRules rules; // length limit in characters and the characters taken
    // Focus that comes by Tab or from the program selects the whole text, so typing replaces
    // it; a press of the mouse places the caret instead.
    bool selectAllOnFocus = true;
};

// Keys (on KeyDown, while focused): Left/Right (Ctrl: by word), Home, End, all with Shift to
// select; Backspace (Ctrl: the word before), Delete; Ctrl+A select all; Ctrl+C / Ctrl+Insert copy;
// Ctrl+X / Shift+Delete cut; Ctrl+V / Shift+Insert paste; Ctrl+Z undo. Text arrives as TextInput
// (composed characters included). Mouse: a press places the caret (Shift: extends the selection),
// dragging selects, a double click selects the word.
class TextBox final : public Widget {
public:
    // Frame and margins between the bounds and the text.
    static constexpr int kFrame = 2;
    static constexpr int kMargin = 1;

    TextBox(const Rect& bounds, TextBoxStyle style);

    const std::string& Text() const { return edit_.Text(); }
    // Sets the text as given (not filtered): caret at the start, nothing selected.
    void SetText(std::string utf8);
    const EditText& Editor() const { return edit_; }
    void SelectAll() { edit_.SelectAll(); }
    const TextBoxStyle& Style() const { return style_; }
    // Horizontal scroll of the text in pixels (the e-mail box scrolls to keep the caret in view).
    int ScrollOffset() const { return scroll_; }

    bool Focusable() const override { return true; }
    void Paint(Canvas& canvas, const PaintState& state) override;
    Reaction MouseDown(const InputEvent& e, InputContext& context) override;
    Reaction MouseMove(const InputEvent& e, InputContext& context) override;
    Reaction MouseUp(const InputEvent& e, InputContext& context) override;
    Reaction KeyDown(const InputEvent& e, InputContext& context) override;
    Reaction TextInput(const InputEvent& e, InputContext& context) override;
    void CancelPress() override { dragging_ = false; }
    Reaction FocusChanged(bool gained, FocusCause cause) override;

private:
    Rect TextArea() const;
    // The character boundary nearest to a surface x, from the widths measured at the last paint.
    int IndexAt(int x) const;
    // Measures the prefixes of the current text when it differs from the one measured last.
    void Measure(Canvas& canvas);
    void KeepCaretInView();
    Reaction Edited(bool changed);

    TextBoxStyle style_;
    EditText edit_;
    bool dragging_ = false;
    int scroll_ = 0;
    // Pixel offset of every character boundary of `measured_`, from the last paint.
    std::string measured_;
    std::vector<int> offsets_{0};
    int lineHeight_ = 0;
};

} // namespace sixdice::media::widgets
