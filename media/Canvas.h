// Drawing primitives on a surface: text in a font and colour, filled rectangles, clipping.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/MediaTypes.h"

#include <string>

namespace sixdice::media {

// Font faces the game asks for by name: "Arial Black" (game texts) and "MS Sans Serif" (controls),
// the latter also in bold (the e-mail box).
inline constexpr const char* kArialBlack = "Arial Black";
inline constexpr const char* kMsSansSerif = "MS Sans Serif";
inline constexpr const char* kMsSansSerifBold = "MS Sans Serif Bold";

class Canvas {
public:
    virtual ~Canvas() = default;

    // Current font: a face name, a size in points (96 dots per inch) and the text colour.
    virtual void SetFont(const std::string& face, int points, Rgb colour) = 0;
    // Draws UTF-8 text with the top-left of its first character cell at (x, y), clear background.
    virtual void DrawText(int x, int y, const std::string& utf8) = 0;
    // Width in pixels of the text in the current font.
    virtual int TextWidth(const std::string& utf8) = 0;
    // Height in pixels of a line in the current font.
    virtual int LineHeight() = 0;

    virtual void FillRect(const Rect& rect, Rgb colour) = 0;
    // Limits all drawing to the rectangle; ClearClip restores the whole surface.
    virtual void SetClip(const Rect& rect) = 0;
    virtual void ClearClip() = 0;
    virtual Size CanvasSize() const = 0;
};

} // namespace sixdice::media
