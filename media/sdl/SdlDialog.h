// The dialog service over SDL: one second window at a time, made on Open.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Dialog.h"
#include "media/sdl/SdlFormWindow.h"

#include <memory>
#include <optional>

namespace sixdice::media::sdl {

class SdlDialog final : public Dialog {
public:
    // `owner` is the main window; the fonts are the main surface's, shared.
    SdlDialog(SDL_Window* owner, FontCache& fonts, bool headless, bool softwareRenderer,
              int scale = 1)
        : owner_(owner), fonts_(fonts), headless_(headless), softwareRenderer_(softwareRenderer),
          scale_(scale), closed_(fonts) {}

    MediaError Open(const std::string& caption, Size client) override;
    bool IsOpen() const override { return form_ != nullptr; }
    void Close() override { form_.reset(); }
    void DrawPicture(const Picture& picture, int x, int y) override;
    void Present() override;
    Picture Capture() const override;

    void SetFont(const std::string& face, int points, Rgb colour) override;
    void DrawText(int x, int y, const std::string& utf8) override;
    int TextWidth(const std::string& utf8) override;
    int LineHeight() override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void SetClip(const Rect& rect) override;
    void ClearClip() override;
    Size CanvasSize() const override;

    // For the event source: the open window's id, and showing its frame again when uncovered.
    std::optional<Uint32> WindowId() const;
    void Repaint();

private:
    // The open window's canvas, or one without a surface that draws nothing.
    SurfaceCanvas& Target() { return form_ ? form_->Canvas() : closed_; }

    SDL_Window* owner_;
    FontCache& fonts_;
    bool headless_;
    bool softwareRenderer_;
    int scale_;
    SurfaceCanvas closed_;
    std::unique_ptr<SdlFormWindow> form_;
};

} // namespace sixdice::media::sdl
