// Drawing the loading bar with the controls' own look.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/LoadingBar.h"

#include "media/widgets/WidgetLook.h"

#include <algorithm>

namespace sixdice::platform::web {

namespace look = media::widgets::look;

int FilledWidth(std::uint64_t loaded, std::uint64_t expected, int width) {
    if (width <= 0 || loaded == 0)
        return 0;
    if (expected == 0 || loaded >= expected)
        return width;
    // Not full until the last byte: a bar that looks complete while the game still waits would
    // tell the player something untrue.
    const std::uint64_t filled = loaded * std::uint64_t(width) / expected;
    return static_cast<int>(std::min<std::uint64_t>(filled, std::uint64_t(width - 1)));
}

media::Rect LoadingBarBox(media::Size canvas) {
    const int width = std::max(8, std::min(240, canvas.width - 40));
    const int height = 18;
    return {(canvas.width - width) / 2, canvas.height * 3 / 4 - height / 2, width, height};
}

void ClearLoadingBar(media::Canvas& canvas) {
    const media::Size size = canvas.CanvasSize();
    canvas.ClearClip();
    canvas.FillRect({0, 0, size.width, size.height}, look::kFelt);
}

void DrawLoadingBar(media::Canvas& canvas, std::uint64_t loaded, std::uint64_t expected,
                    bool clearFirst) {
    const media::Size size = canvas.CanvasSize();
    if (clearFirst)
        ClearLoadingBar(canvas); // which also lifts the clip
    else
        canvas.ClearClip();
    const media::Rect box = LoadingBarBox(size);
    look::DrawSunkenFrame(canvas, box);
    const media::Rect inside = look::Inset(box, 2);
    canvas.FillRect(inside, look::kFelt);
    const int filled = FilledWidth(loaded, expected, inside.width);
    if (filled > 0) {
        look::FillGradient(canvas, {inside.x, inside.y, filled, inside.height}, look::kGoldTop,
                           look::kGoldMiddle, look::kGoldBottom);
    }
}

} // namespace sixdice::platform::web
