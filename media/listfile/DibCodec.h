// Device-independent bitmaps: the writer's 24-bit form and the decoder for every stored form.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ByteCursor.h"
#include "media/listfile/ByteWriter.h"
#include "media/listfile/DecodeBudget.h"
#include "media/listfile/ListData.h"

#include <cstddef>
#include <optional>

namespace sixdice::media {

// Largest width or height the decoder accepts; anything bigger is refused as "DIB is invalid".
inline constexpr int kMaxPictureSide = 16384;

// Appends the picture as a 40-byte-header, 24-bit, bottom-up DIB without file header.
void WriteDib24(const Picture& picture, ByteWriter& out);

struct DibLayout {
    // A bitmap file may carry the larger version 4 and 5 headers; a stored "TDIB" only 12 or 40.
    bool allowLargeHeaders = false;
    // Where the pixel data starts, counted from the cursor's start, when a file header says so.
    std::optional<std::size_t> pixelOffset;
};

// Decodes the DIB at the cursor into top-row-first 0x00RRGGBB pixels, taking its pixels from the
// budget before any memory is taken for them; throws ReadFailure.
Picture DecodeDib(ByteCursor& in, DecodeBudget& budget, const DibLayout& layout = {});

} // namespace sixdice::media
