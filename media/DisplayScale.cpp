// Choosing the display scale.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/DisplayScale.h"

#include <charconv>
#include <cmath>

namespace sixdice::media {
namespace {

constexpr float DesktopDpi = 96.0f;

std::optional<int> ScaleOfDpi(float dpi) {
    if (!(dpi > 0) || !std::isfinite(dpi)) {
        return std::nullopt;
    }
    const int scale = int(std::floor(dpi / DesktopDpi + 0.25f));
    if (scale < 1) {
        return 1;
    }
    return scale > MaxScale ? MaxScale : scale;
}

} // namespace

std::optional<int> ParseScale(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end || value < 1 || value > MaxScale) {
        return std::nullopt;
    }
    return value;
}

ScaleChoice ChooseScale(const ScaleSources& sources, Size largestOuter, Size desktop) {
    ScaleChoice choice;
    if (sources.option) {
        choice = {*sources.option, "--scale", false};
    } else if (auto game = sources.game ? ParseScale(*sources.game) : std::nullopt) {
        choice = {*game, "SIXDICE_SCALE", false};
    } else if (auto gdk = sources.gdk ? ParseScale(*sources.gdk) : std::nullopt) {
        choice = {*gdk, "GDK_SCALE", false};
    } else if (auto display = sources.displayDpi ? ScaleOfDpi(*sources.displayDpi) : std::nullopt) {
        choice = {*display, "the display", false};
    } else {
        choice = {1, "default", false};
    }
    while (choice.scale > 1 && (largestOuter.width * choice.scale > desktop.width ||
                                largestOuter.height * choice.scale > desktop.height)) {
        --choice.scale;
        choice.reduced = true;
    }
    return choice;
}

} // namespace sixdice::media
