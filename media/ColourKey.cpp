// Colour codes to pixels; desktop colours take the classic grey desktop scheme, the same on every
// machine so that a picture keyed on one draws the same everywhere.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ColourKey.h"

#include <array>

namespace sixdice::media {
namespace {

// 0x00RRGGBB of the desktop elements 0..24 (scroll bar, background, active caption, ...).
constexpr std::array<std::uint32_t, 25> kDesktopColours = {
    0xC0C0C0, // scroll bar
    0x008080, // desktop background
    0x000080, // active caption
    0x808080, // inactive caption
    0xC0C0C0, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xC0C0C0, // active border
    0xC0C0C0, // inactive border
    0x808080, // application work space
    0x000080, // highlight
    0xFFFFFF, // highlight text
    0xC0C0C0, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xC0C0C0, // inactive caption text
    0xFFFFFF, // button highlight
    0x000000, // 3D dark shadow
    0xDFDFDF, // 3D light
    0x000000, // tool tip text
    0xFFFFE1, // tool tip background
};

constexpr ColorCode kSystemBase = 0x80000000u;
constexpr ColorCode kNone = 0x1FFFFFFFu;

} // namespace

std::optional<std::uint32_t> ColourCodeToPixel(ColorCode code) {
    if (code == kNone)
        return std::nullopt;
    if (code >= kSystemBase) {
        const ColorCode index = code - kSystemBase;
        if (index < kDesktopColours.size())
            return kDesktopColours[index];
        return std::nullopt;
    }
    if (code > 0x00FFFFFFu)
        return std::nullopt;
    return ((code & 0xFFu) << 16) | (code & 0xFF00u) | ((code >> 16) & 0xFFu);
}

std::optional<std::uint32_t> TransparentPixel(const ImageEntry& entry) {
    if (!entry.transparent)
        return std::nullopt;
    return ColourCodeToPixel(entry.transparentColor);
}

} // namespace sixdice::media
