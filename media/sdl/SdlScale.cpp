// The display scale's sources as the player, the environment and the desktop give them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlScale.h"

#include "media/DisplayScale.h"
#include "media/sdl/SdlHandles.h"
#include "platform/DesktopScale.h"

#include <cstdio>
#include <cstdlib>

namespace sixdice::media::sdl {
namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace

int ChooseDisplayScale(std::optional<int> option) {
    ScaleSources sources;
    sources.option = option;
    sources.game = Environment("SIXDICE_SCALE");
    const platform::DesktopScale desktop = platform::QueryDesktopScale();
    sources.gdk = desktop.setting;
    sources.displayDpi = desktop.dpi;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0) {
        return 1;
    }
    if (sources.game && !ParseScale(*sources.game)) {
        std::fprintf(stderr, "sixdice: SIXDICE_SCALE=\"%s\" is not a whole number from 1 to %d\n",
                     sources.game->c_str(), MaxScale);
    }
    const ScaleChoice choice = ChooseScale(sources, OuterSize(Layout::Large), {usable.w, usable.h});
    if (choice.reduced) {
        std::fprintf(stderr,
                     "sixdice: the scale from %s does not fit the %dx%d screen; showing at %d\n",
                     choice.from.c_str(), usable.w, usable.h, choice.scale);
    }
    return choice.scale;
}

} // namespace sixdice::media::sdl
