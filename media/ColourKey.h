// The pixel an image entry leaves out when drawn: its transparent colour as 0x00RRGGBB.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <cstdint>
#include <optional>

namespace sixdice::media {

// A colour code ($00BBGGRR, or a desktop colour $80000000 + index) as 0x00RRGGBB; std::nullopt for
// "clNone" and for codes that name no colour.
std::optional<std::uint32_t> ColourCodeToPixel(ColorCode code);

// The colour key of an entry: none when it is not transparent or its colour is "clNone".
std::optional<std::uint32_t> TransparentPixel(const ImageEntry& entry);

} // namespace sixdice::media
