// The text conventions of the screens: colours, the game font, outlined and centred text.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/MediaTypes.h"

#include <string>

namespace sixdice::ui {

namespace colour {
inline constexpr media::Rgb Black{0, 0, 0};
inline constexpr media::Rgb Green{0, 128, 0};
inline constexpr media::Rgb Red{255, 0, 0};
inline constexpr media::Rgb Blue{0, 0, 255};
inline constexpr media::Rgb Yellow{255, 255, 0};
inline constexpr media::Rgb White{255, 255, 255};
} // namespace colour

// Every text of the game is drawn in this face with a clear background.
inline constexpr const char* GameFont = media::kArialBlack;

// Where `text` starts when centred on x = cx in the current font (halves to even).
int CentredTextX(media::Canvas& canvas, int cx, const std::string& text);

// Yellow copies one pixel above, below, left and right (in that order), then the text in red, all
// in the game font at `points`.
void OutlinedText(media::Canvas& canvas, int points, int x, int y, const std::string& text);

} // namespace sixdice::ui
