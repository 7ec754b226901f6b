// The colour names a "TransparentColor" value may carry, and their colour codes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <optional>
#include <string_view>

namespace sixdice::media {

inline constexpr ColorCode kSystemColorBase = 0x80000000u;
inline constexpr ColorCode kColorNone = 0x1FFFFFFFu;

// The code of a colour name, compared exactly; std::nullopt for an unknown name.
std::optional<ColorCode> ColorFromName(std::string_view name);
// The name the stream format writes for a code, or std::nullopt when it is written as a number.
std::optional<std::string_view> NameOfColor(ColorCode code);

} // namespace sixdice::media
