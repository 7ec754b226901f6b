// Laying out and drawing the error box, and the keys and clicks that dismiss it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/ErrorForm.h"

#include "media/widgets/TextWrap.h"
#include "media/widgets/WidgetLook.h"

#include <algorithm>
#include <cmath>

namespace sixdice::media::widgets {
namespace {

// Room the desktop's frame and title bar take around the client area.
constexpr Size kFrameAllowance{16, 64};
constexpr int kMinClientWidth = 260;
constexpr int kSignToText = 14;
// Below the text: a gap, the band that holds the button, the button and the band's bottom edge.
constexpr int kTextToBand = 12;
constexpr int kBandPadding = 10;
constexpr Rgb kBand{0x00, 0x34, 0x00};
constexpr Rgb kBandLine{0x00, 0x58, 0x08};
constexpr Rgb kSignRim{0x70, 0x08, 0x04};
constexpr Rgb kSignRed{0xD0, 0x20, 0x1A};
constexpr Rgb kSignLight{0xF0, 0x50, 0x40};
constexpr Rgb kSignCross{0xFF, 0xFF, 0xFF};

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += (i ? "\n" : "") + lines[i];
    return out;
}

} // namespace

TextStyle ErrorForm::MessageFont() {
    return {kMsSansSerif, 9, look::kCream};
}

ErrorForm::ErrorForm(std::string message, Canvas& measure, Size screen, Shell& clipboard)
    : message_(std::move(message)), clipboard_(clipboard), group_(clipboard) {
    const TextStyle font = MessageFont();
    measure.SetFont(font.face, font.points, font.colour);
    const Size room{std::max(kMinClientWidth, screen.width - kFrameAllowance.width),
                    std::max(120, screen.height - kFrameAllowance.height)};
    const int textX = kMargin + kSignSize + kSignToText;
    const int wrapWidth = std::clamp(room.width - textX - kMargin, 80, kMaxTextWidth);
    lines_ =
        WrapText(message_, wrapWidth, [&](const std::string& s) { return measure.TextWidth(s); });
    int textWidth = 0;
    for (const std::string& line : lines_)
        textWidth = std::max(textWidth, measure.TextWidth(line));
    const int lineHeight = std::max(1, measure.LineHeight());

    // The lines beyond what the screen can hold are left out.
    const int fixedHeight = kMargin + kTextToBand + 2 * kBandPadding + kButtonSize.height;
    const int maxLines = std::max(1, (room.height - fixedHeight) / lineHeight);
    if (static_cast<int>(lines_.size()) > maxLines)
        lines_.resize(std::size_t(maxLines));
    const int textHeight = static_cast<int>(lines_.size()) * lineHeight;

    client_.width = std::clamp(textX + textWidth + kMargin, kMinClientWidth, room.width);
    const int textTop = kMargin + std::max(0, (kSignSize - textHeight) / 2);
    sign_ = {kMargin, kMargin, kSignSize, kSignSize};
    const int contentBottom = std::max(kMargin + kSignSize, textTop + textHeight);
    buttonBandTop_ = contentBottom + kTextToBand;
    const Rect button{(client_.width - kButtonSize.width) / 2, buttonBandTop_ + kBandPadding,
                      kButtonSize.width, kButtonSize.height};
    client_.height = button.y + button.height + kBandPadding;

    LabelStyle textStyle;
    textStyle.font = font;
    group_.Add<Label>(Rect{textX, textTop, client_.width - textX - kMargin / 2, textHeight},
                      Joined(lines_), textStyle);
    ok_ = &group_.Add<Button>(button, "OK");
    group_.SetDefaultButton(ok_->Id());
    group_.SetFocus(ok_->Id(), 0);
}

void ErrorForm::PaintSign(Canvas& canvas) const {
    // A red disc with a dark rim and a white diagonal cross, drawn one row at a time.
    const double radius = kSignSize / 2.0;
    const int cx = sign_.x + kSignSize / 2;
    for (int row = 0; row < kSignSize; ++row) {
        const double dy = row + 0.5 - radius;
        const int outer = int(std::lround(std::sqrt(std::max(0.0, radius * radius - dy * dy))));
        const double inner = radius - 1.5;
        const int fill = int(std::lround(std::sqrt(std::max(0.0, inner * inner - dy * dy))));
        canvas.FillRect({cx - outer, sign_.y + row, 2 * outer, 1}, kSignRim);
        if (fill > 0)
            canvas.FillRect({cx - fill, sign_.y + row, 2 * fill, 1},
                            row < kSignSize / 3 ? kSignLight : kSignRed);
    }
    const int cy = sign_.y + kSignSize / 2;
    for (int t = -7; t < 7; ++t) {
        canvas.FillRect({cx + t - 1, cy + t, 3, 1}, kSignCross);
        canvas.FillRect({cx - t - 2, cy + t, 3, 1}, kSignCross);
    }
}

void ErrorForm::Paint(Canvas& canvas, std::uint64_t now) {
    canvas.ClearClip();
    canvas.FillRect({0, 0, client_.width, client_.height}, look::kFelt);
    canvas.FillRect({0, buttonBandTop_, client_.width, client_.height - buttonBandTop_}, kBand);
    canvas.FillRect({0, buttonBandTop_, client_.width, 1}, kBandLine);
    PaintSign(canvas);
    group_.Paint(canvas, now);
}

ErrorForm::Outcome ErrorForm::Handle(const InputEvent& event, std::uint64_t now) {
    if (event.kind == EventKind::CloseRequest)
        return Outcome::Dismissed;
    if (event.kind == EventKind::KeyDown && event.key == Key::C && event.modifiers.ctrl) {
        clipboard_.SetClipboardText(message_);
        return Outcome::None;
    }
    const GroupResult r = group_.Handle(event, now);
    if (r.escape || r.activated == ok_->Id())
        return Outcome::Dismissed;
    return r.repaint ? Outcome::Repaint : Outcome::None;
}

} // namespace sixdice::media::widgets
