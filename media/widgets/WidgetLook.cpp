// Bevels, gradients and focus rectangles from filled rectangles alone, so any canvas can draw them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/WidgetLook.h"

#include <algorithm>

namespace sixdice::media::widgets::look {
namespace {

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, int step, int steps) {
    return static_cast<std::uint8_t>(a + (int(b) - int(a)) * step / std::max(1, steps));
}

Rgb MixColour(Rgb a, Rgb b, int step, int steps) {
    return {Mix(a.red, b.red, step, steps), Mix(a.green, b.green, step, steps),
            Mix(a.blue, b.blue, step, steps)};
}

} // namespace

Rect Inset(const Rect& r, int by) {
    return {r.x + by, r.y + by, std::max(0, r.width - 2 * by), std::max(0, r.height - 2 * by)};
}

Rect Intersection(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x);
    const int y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.width, b.x + b.width);
    const int y1 = std::min(a.y + a.height, b.y + b.height);
    if (x1 <= x0 || y1 <= y0)
        return {x0, y0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

void DrawBevelRing(Canvas& canvas, const Rect& r, Rgb topLeft, Rgb bottomRight) {
    if (r.width <= 0 || r.height <= 0)
        return;
    canvas.FillRect({r.x, r.y, r.width, 1}, topLeft);
    canvas.FillRect({r.x, r.y + 1, 1, r.height - 1}, topLeft);
    canvas.FillRect({r.x + 1, r.y + r.height - 1, r.width - 1, 1}, bottomRight);
    canvas.FillRect({r.x + r.width - 1, r.y + 1, 1, r.height - 2}, bottomRight);
}

void DrawRaisedFrame(Canvas& canvas, const Rect& r, bool pressed) {
    if (pressed) {
        DrawBevelRing(canvas, r, kGoldRim, kGoldRim);
        DrawBevelRing(canvas, Inset(r, 1), kGoldShadow, kGoldMiddle);
        return;
    }
    DrawBevelRing(canvas, r, kGoldHighlight, kGoldRim);
    DrawBevelRing(canvas, Inset(r, 1), kGoldTop, kGoldShadow);
}

void DrawSunkenFrame(Canvas& canvas, const Rect& r) {
    DrawBevelRing(canvas, r, kGoldShadow, kGoldHighlight);
    DrawBevelRing(canvas, Inset(r, 1), kGoldRim, kGoldMiddle);
}

void FillGradient(Canvas& canvas, const Rect& r, Rgb top, Rgb middle, Rgb bottom) {
    const int half = r.height / 2;
    for (int row = 0; row < r.height; ++row) {
        const Rgb c = row <= half ? MixColour(top, middle, row, half)
                                  : MixColour(middle, bottom, row - half, r.height - 1 - half);
        canvas.FillRect({r.x, r.y + row, r.width, 1}, c);
    }
}

void DrawFocusRect(Canvas& canvas, const Rect& r, Rgb colour) {
    if (r.width <= 0 || r.height <= 0)
        return;
    // Around the outline in one walk, so the dots stay every other pixel at the corners too.
    const int right = r.x + r.width - 1;
    const int bottom = r.y + r.height - 1;
    int step = 0;
    const auto dot = [&](int x, int y) {
        if (step++ % 2 == 0)
            canvas.FillRect({x, y, 1, 1}, colour);
    };
    for (int x = r.x; x < right; ++x)
        dot(x, r.y);
    for (int y = r.y; y < bottom; ++y)
        dot(right, y);
    for (int x = right; x > r.x; --x)
        dot(x, bottom);
    for (int y = bottom; y > r.y; --y)
        dot(r.x, y);
}

} // namespace sixdice::media::widgets::look
