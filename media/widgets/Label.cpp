// Painting a label line by line.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/Label.h"

#include "media/widgets/TextWrap.h"

#include <algorithm>

namespace sixdice::media::widgets {

Label::Label(const Rect& bounds, std::string text, LabelStyle style)
    : Widget(bounds), text_(std::move(text)), style_(std::move(style)) {}

void Label::Paint(Canvas& canvas, const PaintState&) {
    const Rect b = Bounds();
    if (style_.background)
        canvas.FillRect(b, *style_.background);
    const TextStyle& font = style_.font;
    canvas.SetFont(font.face, font.points, font.colour);
    const MeasureText measure = [&](const std::string& s) { return canvas.TextWidth(s); };
    const std::vector<std::string> lines =
        WrapText(text_, style_.wrap ? b.width : 1 << 30, measure);
    const int lineHeight = canvas.LineHeight();
    // Clipped to the width only: letters that reach below a line (an underscore, a "ý") show in
    // full even when the bounds were made just one line high.
    const int linesHeight = static_cast<int>(lines.size()) * lineHeight + lineHeight / 2;
    canvas.SetClip({b.x, b.y, b.width, std::max(b.height, linesHeight)});
    int y = b.y;
    for (const std::string& line : lines) {
        int x = b.x;
        if (style_.align != Align::Left) {
            const int free = b.width - canvas.TextWidth(line);
            x += style_.align == Align::Right ? free : free / 2;
        }
        canvas.DrawText(x, y, line);
        y += lineHeight;
    }
    canvas.ClearClip();
}

} // namespace sixdice::media::widgets
