// The off-screen surface, the prepared images and presenting through a streaming texture.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Graphics.h"
#include "media/sdl/FontCache.h"
#include "media/sdl/SdlHandles.h"
#include "media/sdl/SdlPresenter.h"
#include "media/sdl/SurfaceCanvas.h"

#include <string>
#include <vector>

namespace sixdice::media::sdl {

class SdlGraphics final : public Graphics {
public:
    // Creates the renderer for the window (accelerated with vsync unless `softwareRenderer`;
    // software when nothing better exists) and a surface of the given size. In headless mode a
    // present does everything but the final flip.
    SdlGraphics(SDL_Window* window, Size size, bool headless, bool softwareRenderer = false);
    ~SdlGraphics() override;
    SdlGraphics(const SdlGraphics&) = delete;
    SdlGraphics& operator=(const SdlGraphics&) = delete;
    // Whether the renderer was asked to be the software one (second windows take the same).
    bool SoftwareRenderer() const { return softwareRenderer_; }
    // The opened fonts, shared with the second windows.
    FontCache& Fonts() { return fonts_; }
    // Empty when the constructor succeeded, else the failure's text.
    const std::string& Failure() const { return failure_; }

    void SetImageList(const ImageList& list) override;
    int ImageCount() const override { return static_cast<int>(images_.size()); }
    MediaError DrawImage(int index, int x, int y, int pattern) override;

    void SetFont(const std::string& face, int points, Rgb colour) override;
    void DrawText(int x, int y, const std::string& utf8) override;
    int TextWidth(const std::string& utf8) override;
    int LineHeight() override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void SetClip(const Rect& rect) override;
    void ClearClip() override;
    Size CanvasSize() const override;

    void Present() override;
    int PresentCount() const override { return presents_; }
    void SetOverlayPainter(std::function<void(Canvas&)> painter) override;
    void SetRestoreHandler(std::function<void()> handler) override;
    Picture CaptureSurface() const override;

    // A new surface size (layout change): what fits of the old picture is kept, the rest black.
    void Resize(Size size);
    // Shows the last presented frame again (the window was uncovered).
    void Repaint();
    // The renderer lost its textures: make them again and let the game redraw.
    void RecreateTextures();
    void RaiseRestore();

private:
    // Shows the surface with the controls and any forms drawn inside the window over it.
    void ShowFrame();

    struct Prepared {
        SdlPtr<SDL_Surface> surface; // null: the entry draws nothing
        std::vector<PatternRect> patterns;
    };

    bool softwareRenderer_;
    std::string failure_;
    SdlPresenter presenter_;
    SdlPtr<SDL_Surface> surface_; // what the game draws on
    SdlPtr<SDL_Surface> frame_;   // the surface with the controls over it, as presented
    FontCache fonts_;
    SurfaceCanvas canvas_;
    SurfaceCanvas overlayCanvas_;
    std::vector<Prepared> images_;
    std::function<void(Canvas&)> overlay_;
    std::function<void()> restore_;
    int presents_ = 0;
};

} // namespace sixdice::media::sdl
