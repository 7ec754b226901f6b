// Windows bitmap files ("BM"): what a "TBitmap" picture holds and what `zrk` extracts and packs.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/DecodeBudget.h"
#include "media/listfile/ListFile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sixdice::media {

// A complete 24-bit bottom-up bitmap file of the whole picture.
std::vector<std::uint8_t> WriteBmpFile(const Picture& picture);

// Decodes a complete bitmap file; throws ReadFailure ("Bitmap image is not valid" without "BM").
Picture DecodeBmpFile(std::span<const std::uint8_t> bytes, DecodeBudget& budget);

// The same, for callers outside the reader, with a budget of one picture: the failure's text,
// std::nullopt on success.
std::optional<std::string> ReadBmpFile(std::span<const std::uint8_t> bytes, Picture& picture);

// Reads a bitmap file from disk (a regular file of at most file_limits::kBitmapFile bytes, such
// as the e-mail form's background): std::nullopt on success, else the failure with its message,
// "Cannot open file NAME" when the file could not be read at all.
std::optional<LoadFailure> LoadBmpFile(const std::string& fileName, Picture& picture);

} // namespace sixdice::media
