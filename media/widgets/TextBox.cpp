// The text box: editing through EditText, drawing with a horizontal scroll that follows the caret.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/TextBox.h"

#include "media/widgets/Utf8.h"
#include "media/widgets/WidgetLook.h"

#include <algorithm>
#include <cstdlib>

namespace sixdice::media::widgets {

TextBox::TextBox(const Rect& bounds, TextBoxStyle style)
    : Widget(bounds), style_(std::move(style)), edit_(style_.rules) {}

void TextBox::SetText(std::string utf8) {
    edit_.SetText(std::move(utf8));
    scroll_ = 0;
}

Rect TextBox::TextArea() const {
    const Rect inner = look::Inset(Bounds(), kFrame);
    return {inner.x + kMargin, inner.y, std::max(0, inner.width - 2 * kMargin), inner.height};
}

void TextBox::Measure(Canvas& canvas) {
    lineHeight_ = canvas.LineHeight();
    if (measured_ == Text() && offsets_.size() == std::size_t(edit_.Length()) + 1)
        return;
    measured_ = Text();
    offsets_.assign(1, 0);
    for (int i = 1; i <= edit_.Length(); ++i)
        offsets_.push_back(canvas.TextWidth(edit_.Slice(0, i)));
}

int TextBox::IndexAt(int x) const {
    const int local = x - TextArea().x + scroll_;
    if (measured_ != Text()) {
        // The text changed since it was last drawn and measured: place by the average width of
        // the characters measured then (the next paint measures the new text).
        const int counted = static_cast<int>(offsets_.size()) - 1;
        const int average = counted > 0 && offsets_.back() > 0
                                ? std::max(1, offsets_.back() / counted)
                                : std::max(1, style_.font.points * 2 / 3);
        return std::clamp((local + average / 2) / average, 0, edit_.Length());
    }
    int best = 0;
    for (int i = 1; i < static_cast<int>(offsets_.size()); ++i) {
        if (std::abs(offsets_[std::size_t(i)] - local) <
            std::abs(offsets_[std::size_t(best)] - local))
            best = i;
    }
    return best;
}

void TextBox::KeepCaretInView() {
    const int width = TextArea().width;
    const int caretX =
        offsets_[std::size_t(std::clamp(edit_.Caret(), 0, int(offsets_.size()) - 1))];
    if (caretX - scroll_ > width - 1)
        scroll_ = caretX - (width - 1);
    if (caretX < scroll_)
        scroll_ = caretX;
    scroll_ = std::clamp(scroll_, 0, std::max(0, offsets_.back() - (width - 1)));
}

void TextBox::Paint(Canvas& canvas, const PaintState& state) {
    const Rect bounds = Bounds();
    look::DrawSunkenFrame(canvas, bounds);
    const Rect inner = look::Inset(bounds, kFrame);
    canvas.FillRect(inner, style_.background);
    const TextStyle& font = style_.font;
    const Rgb ink = Enabled() ? font.colour : look::kDisabledInk;
    canvas.SetFont(font.face, font.points, ink);
    Measure(canvas);
    KeepCaretInView();

    const Rect area = TextArea();
    const int textX = area.x - scroll_;
    const int textY = inner.y + (inner.height - lineHeight_) / 2;
    canvas.SetClip(area);
    canvas.DrawText(textX, textY, Text());
    if (state.focused && edit_.HasSelection()) {
        const int from = textX + offsets_[std::size_t(edit_.SelectionStart())];
        const int to = textX + offsets_[std::size_t(edit_.SelectionEnd())];
        const Rect selected = look::Intersection({from, textY, to - from, lineHeight_}, area);
        if (selected.width > 0) {
            canvas.FillRect(selected, look::kSelection);
            canvas.SetClip(selected);
            canvas.SetFont(font.face, font.points, look::kSelectionInk);
            canvas.DrawText(textX, textY, Text());
            canvas.SetClip(area);
        }
    }
    if (state.focused && state.caretOn) {
        const int x = textX + offsets_[std::size_t(edit_.Caret())];
        canvas.FillRect({x, textY, 1, lineHeight_}, font.colour);
    }
    canvas.ClearClip();
}

Reaction TextBox::Edited(bool changed) {
    Reaction r;
    r.repaint = true;
    r.typing = true;
    r.edited = changed;
    return r;
}

Reaction TextBox::MouseDown(const InputEvent& e, InputContext&) {
    if (e.button != 1)
        return {};
    if (e.clicks >= 2 && e.clicks % 2 == 0) {
        // The character under the pointer, not the nearest boundary: a press on the right half
        // of a word's last letter still means that word.
        const int local = e.x - TextArea().x + scroll_;
        int at = 0;
        while (at + 1 < static_cast<int>(offsets_.size()) - 1 &&
               offsets_[std::size_t(at + 1)] <= local)
            ++at;
        edit_.SelectWordAt(measured_ == Text() ? at : IndexAt(e.x));
        dragging_ = false;
        return Edited(false);
    }
    edit_.MoveTo(IndexAt(e.x), e.modifiers.shift);
    dragging_ = true;
    return Edited(false);
}

Reaction TextBox::MouseMove(const InputEvent& e, InputContext&) {
    if (!dragging_)
        return {};
    const int before = edit_.Caret();
    edit_.MoveTo(IndexAt(e.x), true);
    if (edit_.Caret() == before)
        return {};
    return Edited(false);
}

Reaction TextBox::MouseUp(const InputEvent& e, InputContext&) {
    if (e.button == 1)
        dragging_ = false;
    return {};
}

Reaction TextBox::KeyDown(const InputEvent& e, InputContext& context) {
    const Modifiers& m = e.modifiers;
    Shell& clipboard = context.clipboard;
    const auto copy = [&] {
        if (edit_.HasSelection())
            clipboard.SetClipboardText(edit_.SelectedText());
    };
    switch (e.key) {
    case Key::Left:
        edit_.MoveLeft(m.shift, m.ctrl);
        return Edited(false);
    case Key::Right:
        edit_.MoveRight(m.shift, m.ctrl);
        return Edited(false);
    case Key::Home:
        edit_.MoveHome(m.shift);
        return Edited(false);
    case Key::End:
        edit_.MoveEnd(m.shift);
        return Edited(false);
    case Key::Backspace:
        return Edited(edit_.Backspace(m.ctrl));
    case Key::Delete:
        if (m.shift) {
            copy();
            return Edited(edit_.DeleteSelection());
        }
        return Edited(edit_.Delete());
    case Key::Insert:
        if (m.ctrl) {
            copy();
            return {};
        }
        if (m.shift)
            return Edited(edit_.Paste(clipboard.ClipboardText()));
        return {};
    default:
        break;
    }
    if (!m.ctrl || m.alt)
        return {};
    switch (e.key) {
    case Key::A:
        edit_.SelectAll();
        return Edited(false);
    case Key::C:
        copy();
        return {};
    case Key::X:
        copy();
        return Edited(edit_.DeleteSelection());
    case Key::V:
        return Edited(edit_.Paste(clipboard.ClipboardText()));
    case Key::Z:
        return Edited(edit_.Undo());
    default:
        return {};
    }
}

Reaction TextBox::TextInput(const InputEvent& e, InputContext&) {
    return Edited(edit_.Type(e.text));
}

Reaction TextBox::FocusChanged(bool gained, FocusCause cause) {
    dragging_ = false;
    if (gained && cause == FocusCause::Keyboard && style_.selectAllOnFocus)
        edit_.SelectAll();
    Reaction r;
    r.repaint = true;
    r.typing = gained;
    return r;
}

} // namespace sixdice::media::widgets
