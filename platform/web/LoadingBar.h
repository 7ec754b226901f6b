// The loading bar shown while data files arrive: a sunken box filled with the buttons' gold in
// proportion to the bytes that have come.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"

#include <cstdint>

namespace sixdice::platform::web {

// Pixels of a bar `width` wide that `loaded` of `expected` bytes fill: none before the first
// byte, all only once everything came, and never more than the bar (a file may come longer than
// announced).
int FilledWidth(std::uint64_t loaded, std::uint64_t expected, int width);

// The bar's box, centred in the lower part of a canvas of this size.
media::Rect LoadingBarBox(media::Size canvas);

// Draws the bar over whatever the canvas shows; `clearFirst` paints the felt behind it (before
// the first picture there is nothing to draw over).
void DrawLoadingBar(media::Canvas& canvas, std::uint64_t loaded, std::uint64_t expected,
                    bool clearFirst);

// Paints the felt over the whole canvas, bar and all.
void ClearLoadingBar(media::Canvas& canvas);

} // namespace sixdice::platform::web
