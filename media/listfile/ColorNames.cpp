// Colour name tables: the sixteen standard colours, "clNone" and the 25 desktop element colours.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ColorNames.h"

#include <array>
#include <utility>

namespace sixdice::media {

namespace {

constexpr std::array<std::pair<std::string_view, ColorCode>, 17> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", kColorNone},
}};

// Desktop element colours in index order: the code is kSystemColorBase + index.
constexpr std::array<std::string_view, 25> kSystemColors{
    "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
    "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
    "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
    "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
    "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
    "clInfoBk",
};

} // namespace

std::optional<ColorCode> ColorFromName(std::string_view name) {
    for (const auto& [n, code] : kNamedColors) {
        if (n == name) {
            return code;
        }
    }
    for (std::size_t i = 0; i < kSystemColors.size(); ++i) {
        if (kSystemColors[i] == name) {
            return kSystemColorBase + ColorCode(i);
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> NameOfColor(ColorCode code) {
    for (const auto& [n, c] : kNamedColors) {
        if (c == code) {
            return n;
        }
    }
    if (code >= kSystemColorBase && code - kSystemColorBase < kSystemColors.size()) {
        return kSystemColors[code - kSystemColorBase];
    }
    return std::nullopt;
}

} // namespace sixdice::media
