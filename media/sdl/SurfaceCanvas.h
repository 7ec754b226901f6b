// Text and rectangles drawn onto an SDL surface with fonts from the shared cache.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/listfile/ListData.h"
#include "media/sdl/FontCache.h"

namespace sixdice::media::sdl {

// The pixel format of every surface the game draws on: 0x00RRGGBB in a 32-bit word.
inline constexpr Uint32 kSurfacePixelFormat = SDL_PIXELFORMAT_RGB888;

// A new surface of that size in the drawing format, or null (with SDL's error set).
SdlPtr<SDL_Surface> MakeDrawingSurface(Size size);

// The surface's pixels as 0x00RRGGBB.
Picture CapturePixels(SDL_Surface& surface);

class SurfaceCanvas final : public Canvas {
public:
    explicit SurfaceCanvas(FontCache& fonts) : fonts_(fonts) {}

    // The surface drawn on; it may change (a layout change makes a new one). The font stays.
    void SetTarget(SDL_Surface* target) { target_ = target; }

    void SetFont(const std::string& face, int points, Rgb colour) override;
    void DrawText(int x, int y, const std::string& utf8) override;
    int TextWidth(const std::string& utf8) override;
    int LineHeight() override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void SetClip(const Rect& rect) override;
    void ClearClip() override;
    Size CanvasSize() const override;

    // Copies a whole picture with its top-left at (x, y), clipped like everything else.
    void DrawPicture(const Picture& picture, int x, int y);

private:
    TTF_Font* Font();

    FontCache& fonts_;
    SDL_Surface* target_ = nullptr;
    std::string face_ = kArialBlack;
    int points_ = 12;
    Rgb colour_;
};

} // namespace sixdice::media::sdl
