// Window class and icon: the class as the platform names it to the desktop, the icon from pixels
// the build rendered from the artwork's icon source.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlWindowIcon.h"

#include "media/sdl/WindowIconPixels.h"
#include "platform/DesktopSession.h"

namespace sixdice::media::sdl {

namespace {
constexpr const char* kWindowClass = "sixdice";
}

void PinWindowClass() {
    platform::PinWindowClass(kWindowClass);
}

void SetWindowIcon(SDL_Window* window) {
    // SDL copies the pixels, so the surface only wraps the compiled-in array for this call.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(kWindowIconPixels), kWindowIconSize, kWindowIconSize, 32,
        kWindowIconSize * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return; // the window works without an icon
    }
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

} // namespace sixdice::media::sdl
