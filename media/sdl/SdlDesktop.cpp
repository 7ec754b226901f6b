// The desktop side of the services: cursor visibility and shape, opening URLs, the clipboard.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlDesktop.h"

#include "media/DocumentAddress.h"
#include "platform/Browser.h"
#include "platform/Utf8Path.h"

#include <cstdio>
#include <filesystem>

namespace sixdice::media::sdl {

// A cursor is made when it is first shown: loading the desktop's cursor theme is work that
// start-up does not need, since the pointer starts as the window's default arrow.
SDL_Cursor* SdlPointer::Cursor(PointerShape shape) {
    LazyCursor& slot = shape == PointerShape::Hand ? hand_ : arrow_;
    if (!slot.tried) {
        slot.tried = true;
        slot.cursor.reset(SDL_CreateSystemCursor(
            shape == PointerShape::Hand ? SDL_SYSTEM_CURSOR_HAND : SDL_SYSTEM_CURSOR_ARROW));
    }
    return slot.cursor.get();
}

void SdlPointer::Hide() {
    if (--count_ == -1)
        SDL_ShowCursor(SDL_DISABLE);
}

void SdlPointer::Show() {
    if (++count_ == 0)
        SDL_ShowCursor(SDL_ENABLE);
}

void SdlPointer::SetShape(PointerShape shape) {
    shape_ = shape;
    if (SDL_Cursor* cursor = Cursor(shape))
        SDL_SetCursor(cursor);
}

// The desktop's browser or document viewer decides how its window opens; there is no show mode to
// pass on.
void SdlShell::OpenDocument(const std::string& address, ShowMode) {
    if (headless_)
        return;
    std::error_code ec;
    const std::string folder = platform::Utf8FromPath(std::filesystem::current_path(ec));
    const std::string url = DocumentAddress(address, folder);
    if (const auto error = platform::OpenInBrowser(url))
        std::fprintf(stderr, "sixdice: cannot open %s: %s\n", url.c_str(), error->c_str());
}

std::string SdlShell::ClipboardText() const {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

void SdlShell::SetClipboardText(const std::string& utf8) {
    if (SDL_SetClipboardText(utf8.c_str()) != 0)
        ReportSdlError("SDL_SetClipboardText");
}

} // namespace sixdice::media::sdl
