// Outlined and centred text on the drawing surface.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TextDrawing.h"

#include "ui/TextLayout.h"

namespace sixdice::ui {

int CentredTextX(media::Canvas& canvas, int cx, const std::string& text) {
    return CentredTextStart(cx, canvas.TextWidth(text));
}

void OutlinedText(media::Canvas& canvas, int points, int x, int y, const std::string& text) {
    canvas.SetFont(GameFont, points, colour::Yellow);
    canvas.DrawText(x, y - 1, text);
    canvas.DrawText(x, y + 1, text);
    canvas.DrawText(x - 1, y, text);
    canvas.DrawText(x + 1, y, text);
    canvas.SetFont(GameFont, points, colour::Red);
    canvas.DrawText(x, y, text);
}

} // namespace sixdice::ui
