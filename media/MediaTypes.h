// Small value types shared by the media service interfaces: sizes, colours, layouts, errors.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sixdice::media {

// A failure's text for the message box; std::nullopt means success.
using MediaError = std::optional<std::string>;

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The two window layouts: menu, setup and highscore use the small one, the game screens the large.
enum class Layout { Small, Large };

// Drawing surface (= window client area) of a layout.
constexpr Size SurfaceSize(Layout layout) {
    return layout == Layout::Small ? Size{400, 300} : Size{547, 448};
}

// Outer window size of a layout with the classic single border and caption; used for placement.
constexpr Size OuterSize(Layout layout) {
    return layout == Layout::Small ? Size{406, 327} : Size{553, 475};
}

// How far the window's top-left corner moves when the layout grows (the reverse when it shrinks),
// so that the window stays about centred on the same spot.
constexpr Point LayoutShift{70, 60};

} // namespace sixdice::media
