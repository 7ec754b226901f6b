// Text is rendered blended (anti-aliased) and composited over whatever the surface holds.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SurfaceCanvas.h"

namespace sixdice::media::sdl {

SdlPtr<SDL_Surface> MakeDrawingSurface(Size size) {
    return SdlPtr<SDL_Surface>(
        SDL_CreateRGBSurfaceWithFormat(0, size.width, size.height, 32, kSurfacePixelFormat));
}

Picture CapturePixels(SDL_Surface& surface) {
    Picture picture = Picture::Filled(surface.w, surface.h, 0);
    SDL_LockSurface(&surface);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(surface.pixels) + std::size_t(y) * surface.pitch);
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[std::size_t(y) * picture.width + x] = row[x] & 0x00FFFFFFu;
    }
    SDL_UnlockSurface(&surface);
    return picture;
}

void SurfaceCanvas::SetFont(const std::string& face, int points, Rgb colour) {
    face_ = face;
    points_ = points;
    colour_ = colour;
}

TTF_Font* SurfaceCanvas::Font() {
    return fonts_.Get(face_, points_);
}

void SurfaceCanvas::DrawText(int x, int y, const std::string& utf8) {
    TTF_Font* font = Font();
    if (!font || !target_ || utf8.empty())
        return;
    const SDL_Color colour{colour_.red, colour_.green, colour_.blue, 255};
    SdlPtr<SDL_Surface> text(TTF_RenderUTF8_Blended(font, utf8.c_str(), colour));
    if (!text) {
        ReportSdlError("TTF_RenderUTF8_Blended");
        return;
    }
    SDL_SetSurfaceBlendMode(text.get(), SDL_BLENDMODE_BLEND);
    SDL_Rect at{x, y, text->w, text->h};
    if (SDL_BlitSurface(text.get(), nullptr, target_, &at) != 0)
        ReportSdlError("SDL_BlitSurface (text)");
}

int SurfaceCanvas::TextWidth(const std::string& utf8) {
    TTF_Font* font = Font();
    if (!font || utf8.empty())
        return 0;
    int w = 0;
    int h = 0;
    if (TTF_SizeUTF8(font, utf8.c_str(), &w, &h) != 0) {
        ReportSdlError("TTF_SizeUTF8");
        return 0;
    }
    return w;
}

int SurfaceCanvas::LineHeight() {
    TTF_Font* font = Font();
    return font ? TTF_FontHeight(font) : 0;
}

void SurfaceCanvas::FillRect(const Rect& rect, Rgb colour) {
    if (!target_)
        return;
    const SDL_Rect r{rect.x, rect.y, rect.width, rect.height};
    SDL_FillRect(target_, &r, SDL_MapRGB(target_->format, colour.red, colour.green, colour.blue));
}

void SurfaceCanvas::SetClip(const Rect& rect) {
    if (!target_)
        return;
    const SDL_Rect r{rect.x, rect.y, rect.width, rect.height};
    SDL_SetClipRect(target_, &r);
}

void SurfaceCanvas::ClearClip() {
    if (target_)
        SDL_SetClipRect(target_, nullptr);
}

Size SurfaceCanvas::CanvasSize() const {
    return target_ ? Size{target_->w, target_->h} : Size{};
}

void SurfaceCanvas::DrawPicture(const Picture& picture, int x, int y) {
    if (!target_ || picture.empty() ||
        picture.pixels.size() != std::size_t(picture.width) * std::size_t(picture.height))
        return;
    // The picture's words already are 0x00RRGGBB: a view of them is blitted without a copy.
    SdlPtr<SDL_Surface> view(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(picture.pixels.data()), picture.width, picture.height, 32,
        picture.width * 4, kSurfacePixelFormat));
    if (!view) {
        ReportSdlError("SDL_CreateRGBSurfaceWithFormatFrom");
        return;
    }
    SDL_SetSurfaceBlendMode(view.get(), SDL_BLENDMODE_NONE);
    SDL_Rect at{x, y, picture.width, picture.height};
    if (SDL_BlitSurface(view.get(), nullptr, target_, &at) != 0)
        ReportSdlError("SDL_BlitSurface (picture)");
}

} // namespace sixdice::media::sdl
