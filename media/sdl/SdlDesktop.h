// Pointer and shell over SDL.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Pointer.h"
#include "media/Shell.h"
#include "media/sdl/SdlHandles.h"

#include <string>

namespace sixdice::media::sdl {

class SdlPointer final : public Pointer {
public:
    void Hide() override;
    void Show() override;
    bool IsVisible() const override { return count_ >= 0; }
    void SetShape(PointerShape shape) override;
    PointerShape Shape() const override { return shape_; }

private:
    int count_ = 0; // visible while >= 0: each hide needs one show
    struct LazyCursor {
        bool tried = false; // a failure is not retried on every shape change
        SdlPtr<SDL_Cursor> cursor;
    };
    SDL_Cursor* Cursor(PointerShape shape);

    PointerShape shape_ = PointerShape::Arrow;
    LazyCursor arrow_;
    LazyCursor hand_;
};

class SdlShell final : public Shell {
public:
    // In headless mode nothing is handed to the desktop.
    explicit SdlShell(bool headless) : headless_(headless) {}
    void OpenDocument(const std::string& address, ShowMode mode) override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& utf8) override;

private:
    bool headless_;
};

} // namespace sixdice::media::sdl
