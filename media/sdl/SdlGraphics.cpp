// Off-screen drawing in 32-bit XRGB, presented by uploading it into a streaming texture.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlGraphics.h"

#include "media/ColourKey.h"
#include "media/sdl/FormLayers.h"

#include <cstring>

namespace sixdice::media::sdl {

SdlGraphics::SdlGraphics(SDL_Window* window, Size size, bool headless, bool softwareRenderer)
    : softwareRenderer_(softwareRenderer),
      presenter_(window, headless, softwareRenderer, /*vsync=*/true), canvas_(fonts_),
      overlayCanvas_(fonts_) {
    if (!presenter_.Failure().empty()) {
        failure_ = presenter_.Failure();
        return;
    }
    surface_ = MakeDrawingSurface(size);
    frame_ = MakeDrawingSurface(size);
    if (!surface_ || !frame_) {
        failure_ = "Cannot create the drawing surface: " + SdlErrorText();
        return;
    }
    SDL_FillRect(surface_.get(), nullptr, 0);
    canvas_.SetTarget(surface_.get());
    overlayCanvas_.SetTarget(frame_.get());
    if (!presenter_.Prepare(size))
        failure_ = "Cannot create the window texture: " + SdlErrorText();
    // Forms drawn inside this window (where the display has no others) show over its frame.
    FormLayers::Instance().SetHost([this] { ShowFrame(); },
                                   [this] {
                                       return Size{surface_->w, surface_->h};
                                   });
}

SdlGraphics::~SdlGraphics() {
    FormLayers::Instance().ClearHost();
}

void SdlGraphics::SetImageList(const ImageList& list) {
    images_.clear();
    images_.resize(list.entries.size());
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const ImageEntry& entry = list.entries[i];
        const int patterns = entry.patternCount();
        const Picture& picture = entry.picture;
        if (picture.empty() || patterns <= 0 || picture.width > (1 << 16) ||
            picture.pixels.size() != std::size_t(picture.width) * std::size_t(picture.height))
            continue;
        // The picture's words already are 0x00RRGGBB, so the pixels are used in place and then
        // converted once to the surface's format.
        SdlPtr<SDL_Surface> view(SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<std::uint32_t*>(entry.picture.pixels.data()), entry.picture.width,
            entry.picture.height, 32, entry.picture.width * 4, kSurfacePixelFormat));
        if (!view) {
            ReportSdlError("SDL_CreateRGBSurfaceWithFormatFrom");
            continue;
        }
        SdlPtr<SDL_Surface> prepared(SDL_ConvertSurface(view.get(), surface_->format, 0));
        if (!prepared) {
            ReportSdlError("SDL_ConvertSurface");
            continue;
        }
        SDL_SetSurfaceBlendMode(prepared.get(), SDL_BLENDMODE_NONE);
        if (const auto key = TransparentPixel(entry)) {
            SDL_SetColorKey(
                prepared.get(), SDL_TRUE,
                SDL_MapRGB(prepared->format, Uint8(*key >> 16), Uint8(*key >> 8), Uint8(*key)));
        }
        images_[i].surface = std::move(prepared);
        images_[i].patterns.reserve(std::size_t(patterns));
        for (int k = 0; k < patterns; ++k)
            images_[i].patterns.push_back(entry.pattern(k));
    }
}

MediaError SdlGraphics::DrawImage(int index, int x, int y, int pattern) {
    if (index < 0 || index >= ImageCount()) {
        return "Image " + std::to_string(index) + " does not exist: the image list holds " +
               std::to_string(ImageCount()) + " images";
    }
    const Prepared& image = images_[std::size_t(index)];
    if (!image.surface || pattern < 0 || pattern >= static_cast<int>(image.patterns.size()))
        return std::nullopt;
    const PatternRect& p = image.patterns[std::size_t(pattern)];
    SDL_Rect source{p.x, p.y, p.width, p.height};
    SDL_Rect target{x, y, p.width, p.height};
    if (SDL_BlitSurface(image.surface.get(), &source, surface_.get(), &target) != 0)
        ReportSdlError("SDL_BlitSurface");
    return std::nullopt;
}

void SdlGraphics::SetFont(const std::string& face, int points, Rgb colour) {
    canvas_.SetFont(face, points, colour);
}
void SdlGraphics::DrawText(int x, int y, const std::string& utf8) {
    canvas_.DrawText(x, y, utf8);
}
int SdlGraphics::TextWidth(const std::string& utf8) {
    return canvas_.TextWidth(utf8);
}
int SdlGraphics::LineHeight() {
    return canvas_.LineHeight();
}
void SdlGraphics::FillRect(const Rect& rect, Rgb colour) {
    canvas_.FillRect(rect, colour);
}
void SdlGraphics::SetClip(const Rect& rect) {
    canvas_.SetClip(rect);
}
void SdlGraphics::ClearClip() {
    canvas_.ClearClip();
}
Size SdlGraphics::CanvasSize() const {
    return canvas_.CanvasSize();
}

void SdlGraphics::Present() {
    ++presents_;
    ShowFrame();
}

void SdlGraphics::ShowFrame() {
    if (!surface_ || !frame_)
        return;
    SDL_Surface* shown = surface_.get();
    const FormLayers& layers = FormLayers::Instance();
    if (overlay_ || layers.AnyShown()) {
        std::memcpy(frame_->pixels, surface_->pixels, std::size_t(surface_->pitch) * surface_->h);
        overlayCanvas_.ClearClip();
        if (overlay_)
            overlay_(overlayCanvas_);
        layers.Compose(overlayCanvas_, *frame_);
        overlayCanvas_.ClearClip();
        shown = frame_.get();
    }
    presenter_.Show(*shown);
}

void SdlGraphics::Repaint() {
    presenter_.Repaint();
}

void SdlGraphics::SetOverlayPainter(std::function<void(Canvas&)> painter) {
    overlay_ = std::move(painter);
}

void SdlGraphics::SetRestoreHandler(std::function<void()> handler) {
    restore_ = std::move(handler);
}

void SdlGraphics::RaiseRestore() {
    if (restore_)
        restore_();
}

void SdlGraphics::RecreateTextures() {
    presenter_.Prepare({surface_->w, surface_->h});
    RaiseRestore();
}

void SdlGraphics::Resize(Size size) {
    if (size.width == surface_->w && size.height == surface_->h)
        return;
    SdlPtr<SDL_Surface> next = MakeDrawingSurface(size);
    SdlPtr<SDL_Surface> nextFrame = MakeDrawingSurface(size);
    if (!next || !nextFrame) {
        ReportSdlError("SDL_CreateRGBSurfaceWithFormat");
        return;
    }
    SDL_FillRect(next.get(), nullptr, 0);
    SDL_SetClipRect(surface_.get(), nullptr);
    SDL_SetSurfaceBlendMode(surface_.get(), SDL_BLENDMODE_NONE);
    SDL_BlitSurface(surface_.get(), nullptr, next.get(), nullptr);
    surface_ = std::move(next);
    frame_ = std::move(nextFrame);
    canvas_.SetTarget(surface_.get());
    overlayCanvas_.SetTarget(frame_.get());
    presenter_.Prepare(size);
}

Picture SdlGraphics::CaptureSurface() const {
    return CapturePixels(*surface_);
}

} // namespace sixdice::media::sdl
