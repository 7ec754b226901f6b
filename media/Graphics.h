// The off-screen drawing surface: prepared images, text, presenting and the restore notification.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/MediaTypes.h"
#include "media/listfile/ListData.h"

#include <functional>
#include <string>

namespace sixdice::media {

class Graphics : public Canvas {
public:
    // Replaces every image by the list's entries, prepared at once for the surface's pixel format
    // (numbered from 0 in list order). Entries without a picture or without patterns draw nothing.
    virtual void SetImageList(const ImageList& list) = 0;
    virtual int ImageCount() const = 0;

    // Copies pattern `pattern` of image `index` with its top-left at (x, y), clipped to the
    // surface, leaving out the transparent colour when the entry is transparent. A pattern outside
    // the entry's patterns draws nothing; an index outside the list returns the error's text.
    virtual MediaError DrawImage(int index, int x, int y, int pattern = 0) = 0;

    // Shows the off-screen surface in the window, synchronised to the vertical blank. The overlay
    // painter (the controls) draws over a copy of the surface first, so the surface itself keeps
    // exactly what the game drew.
    virtual void Present() = 0;
    virtual int PresentCount() const = 0;
    virtual void SetOverlayPainter(std::function<void(Canvas&)> painter) = 0;

    // Called whenever the surface has been set up anew: once when the window is first up, and after
    // the display lost and restored its textures. The game redraws from it.
    virtual void SetRestoreHandler(std::function<void()> handler) = 0;

    // The off-screen surface's current pixels (0x00RRGGBB), for tests and screenshots.
    virtual Picture CaptureSurface() const = 0;
};

} // namespace sixdice::media
