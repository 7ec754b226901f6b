// Opening, drawing on and closing the dialog window.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlDialog.h"

namespace sixdice::media::sdl {

MediaError SdlDialog::Open(const std::string& caption, Size client) {
    form_.reset();
    FormWindowOptions options;
    options.caption = caption;
    options.client = client;
    options.owner = owner_;
    options.toolWindow = true;
    options.headless = headless_;
    options.softwareRenderer = softwareRenderer_;
    options.scale = scale_;
    auto form = std::make_unique<SdlFormWindow>(options, fonts_);
    if (!form->Failure().empty())
        return form->Failure();
    form_ = std::move(form);
    return std::nullopt;
}

std::optional<Uint32> SdlDialog::WindowId() const {
    if (!form_)
        return std::nullopt;
    return form_->Id();
}

void SdlDialog::Repaint() {
    if (form_)
        form_->Repaint();
}

void SdlDialog::DrawPicture(const Picture& picture, int x, int y) {
    Target().DrawPicture(picture, x, y);
}

void SdlDialog::Present() {
    if (form_)
        form_->Present();
}

Picture SdlDialog::Capture() const {
    return form_ ? form_->Capture() : Picture{};
}

void SdlDialog::SetFont(const std::string& face, int points, Rgb colour) {
    Target().SetFont(face, points, colour);
}
void SdlDialog::DrawText(int x, int y, const std::string& utf8) {
    Target().DrawText(x, y, utf8);
}
int SdlDialog::TextWidth(const std::string& utf8) {
    return Target().TextWidth(utf8);
}
int SdlDialog::LineHeight() {
    return Target().LineHeight();
}
void SdlDialog::FillRect(const Rect& rect, Rgb colour) {
    Target().FillRect(rect, colour);
}
void SdlDialog::SetClip(const Rect& rect) {
    Target().SetClip(rect);
}
void SdlDialog::ClearClip() {
    Target().ClearClip();
}
Size SdlDialog::CanvasSize() const {
    return form_ ? form_->ClientSize() : Size{};
}

} // namespace sixdice::media::sdl
