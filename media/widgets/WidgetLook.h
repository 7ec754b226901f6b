// How the controls look: classic bevelled desktop controls in the card table's gold and felt.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/MediaTypes.h"

namespace sixdice::media::widgets::look {

// The gold of the game's button plates, from light to dark.
inline constexpr Rgb kGoldHighlight{0xFF, 0xF1, 0xB8};
inline constexpr Rgb kGoldTop{0xF7, 0xD7, 0x74};
inline constexpr Rgb kGoldMiddle{0xDE, 0xAA, 0x2E};
inline constexpr Rgb kGoldBottom{0xA8, 0x6F, 0x0E};
inline constexpr Rgb kGoldShadow{0x6E, 0x46, 0x06};
inline constexpr Rgb kGoldRim{0x3D, 0x24, 0x04};
// Captions on gold, and the greyed gold of a disabled button.
inline constexpr Rgb kCaptionInk{0x3A, 0x20, 0x00};
inline constexpr Rgb kDisabledFace{0xC9, 0xBC, 0x94};
inline constexpr Rgb kDisabledInk{0x8A, 0x7A, 0x52};
inline constexpr Rgb kDisabledEmboss{0xF4, 0xEC, 0xD2};
// Selected text in a box: dark ink on light gold, readable on every box colour.
inline constexpr Rgb kSelection{0xF2, 0xC9, 0x4C};
inline constexpr Rgb kSelectionInk{0x2A, 0x16, 0x00};
// The felt of the message box and the cream of its text.
inline constexpr Rgb kFelt{0x00, 0x40, 0x00};
inline constexpr Rgb kCream{0xF6, 0xEF, 0xD6};

// A one-pixel ring: top and left edges in `topLeft`, bottom and right in `bottomRight`.
void DrawBevelRing(Canvas& canvas, const Rect& r, Rgb topLeft, Rgb bottomRight);

// The two-ring frame of a raised button (pressed: pushed in), face not included.
void DrawRaisedFrame(Canvas& canvas, const Rect& r, bool pressed);

// The two-ring frame of a sunken text box, interior not included.
void DrawSunkenFrame(Canvas& canvas, const Rect& r);

// A vertical gradient through three colours (top, middle, bottom), one row at a time.
void FillGradient(Canvas& canvas, const Rect& r, Rgb top, Rgb middle, Rgb bottom);

// The dotted rectangle of keyboard focus: every other pixel of its outline.
void DrawFocusRect(Canvas& canvas, const Rect& r, Rgb colour);

// `r` shrunk by `by` pixels on every side.
Rect Inset(const Rect& r, int by);

// The part of `a` that is also in `b` (empty when they do not overlap).
Rect Intersection(const Rect& a, const Rect& b);

} // namespace sixdice::media::widgets::look
