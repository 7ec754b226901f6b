// The push button's states and its gold, bevelled look.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/Button.h"

#include "media/widgets/WidgetLook.h"

namespace sixdice::media::widgets {
namespace {

Reaction Repaint() {
    Reaction r;
    r.repaint = true;
    return r;
}

Reaction Activate() {
    Reaction r;
    r.repaint = true;
    r.activated = true;
    return r;
}

} // namespace

TextStyle Button::DefaultFont() {
    return {kArialBlack, 8, look::kCaptionInk};
}

Button::Button(const Rect& bounds, std::string caption, TextStyle font)
    : Widget(bounds), caption_(std::move(caption)), font_(std::move(font)) {}

void Button::Paint(Canvas& canvas, const PaintState& state) {
    Rect frame = Bounds();
    if (state.defaultButton && Enabled()) {
        // The button Return activates wears a dark outer line, as default buttons do.
        look::DrawBevelRing(canvas, frame, look::kGoldRim, look::kGoldRim);
        frame = look::Inset(frame, 1);
    }
    const bool pressed = Pressed() && Enabled();
    const Rect face = look::Inset(frame, 2);
    if (!Enabled()) {
        look::DrawBevelRing(canvas, frame, look::kDisabledEmboss, look::kDisabledInk);
        look::DrawBevelRing(canvas, look::Inset(frame, 1), look::kDisabledFace, look::kDisabledInk);
        canvas.FillRect(face, look::kDisabledFace);
    } else {
        look::DrawRaisedFrame(canvas, frame, pressed);
        if (pressed)
            look::FillGradient(canvas, face, look::kGoldMiddle, look::kGoldMiddle, look::kGoldTop);
        else
            look::FillGradient(canvas, face, look::kGoldTop, look::kGoldMiddle, look::kGoldBottom);
    }

    canvas.SetClip(face);
    canvas.SetFont(font_.face, font_.points, font_.colour);
    const int width = canvas.TextWidth(caption_);
    const int height = canvas.LineHeight();
    const int shift = pressed ? 1 : 0;
    const int x = face.x + (face.width - width) / 2 + shift;
    const int y = face.y + (face.height - height) / 2 + shift;
    if (Enabled()) {
        canvas.DrawText(x, y, caption_);
    } else {
        // Engraved: a light copy one pixel down and right, the greyed caption over it.
        canvas.SetFont(font_.face, font_.points, look::kDisabledEmboss);
        canvas.DrawText(x + 1, y + 1, caption_);
        canvas.SetFont(font_.face, font_.points, look::kDisabledInk);
        canvas.DrawText(x, y, caption_);
    }
    canvas.ClearClip();
    if (state.focused && Enabled())
        look::DrawFocusRect(canvas, look::Inset(face, 1), look::kCaptionInk);
}

Reaction Button::MouseDown(const InputEvent& e, InputContext&) {
    if (e.button != 1)
        return {};
    mouseHeld_ = true;
    pointerInside_ = Contains({e.x, e.y});
    return Repaint();
}

Reaction Button::MouseMove(const InputEvent& e, InputContext&) {
    if (!mouseHeld_)
        return {};
    const bool inside = Contains({e.x, e.y});
    if (inside == pointerInside_)
        return {};
    pointerInside_ = inside;
    return Repaint();
}

Reaction Button::MouseUp(const InputEvent& e, InputContext&) {
    if (e.button != 1 || !mouseHeld_)
        return {};
    mouseHeld_ = false;
    if (Contains({e.x, e.y}))
        return Activate();
    return Repaint();
}

Reaction Button::KeyDown(const InputEvent& e, InputContext&) {
    if (e.key == Key::Return)
        return Activate();
    if (e.key == Key::Space && !spaceHeld_) {
        spaceHeld_ = true;
        return Repaint();
    }
    return {};
}

Reaction Button::KeyUp(const InputEvent& e, InputContext&) {
    if (e.key != Key::Space || !spaceHeld_)
        return {};
    spaceHeld_ = false;
    return Activate();
}

void Button::CancelPress() {
    mouseHeld_ = false;
    spaceHeld_ = false;
}

Reaction Button::FocusChanged(bool, FocusCause) {
    CancelPress();
    return Repaint();
}

} // namespace sixdice::media::widgets
