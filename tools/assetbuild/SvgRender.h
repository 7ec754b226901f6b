// Rendering assembled artwork with librsvg and cairo into the game's pictures.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"
#include "tools/assetbuild/SvgSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sixdice::art {

// An inclusive-free pixel rectangle: x, y, width, height.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Renders `svg` (a document `docWidth` x `docHeight`) and returns the `region` of it, opaque:
// the document is drawn over the felt colour so that no pixel is left half transparent.
media::Picture RenderSvg(const std::string& svg, int docWidth, int docHeight,
                         const PixelRect& region);

// Renders the whole document scaled to `width` x `height` with nothing beneath it, so what the
// document leaves uncovered stays transparent: premultiplied 0xAARRGGBB pixels, row by row.
std::vector<std::uint32_t> RenderSvgScaled(const std::string& svg, int docWidth, int docHeight,
                                           int width, int height);

// The ink rectangle of the element with `id` after layout (text included), rounded outwards.
// Returns false when the element draws nothing.
bool InkBounds(const std::string& svg, int docWidth, int docHeight, const std::string& id,
               PixelRect& bounds);

// Renders every cut of the source in its marked state.
struct RenderedImage {
    ImageCut cut;
    media::Picture picture;
};
std::vector<RenderedImage> RenderCuts(const AssembledSource& source);

// Sets the labels of plates marked fit="shrink" smaller, half a pixel at a time, until they lie
// inside their plate (or reach 6 pixels).
void ShrinkLabelsToFit(AssembledSource& source);

// Every plate's label must lie inside its plate; returns one message per label that does not.
std::vector<std::string> CheckPlateLabels(const AssembledSource& source);

// Draws an SVG document over an existing picture (used for the preview texts of the contact
// sheet); the document has the picture's size.
void DrawSvgOver(media::Picture& picture, const std::string& svg);

} // namespace sixdice::art
