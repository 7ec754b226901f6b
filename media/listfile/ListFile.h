// Reading and writing the graphics and sound list files (".zrk"): bytes in, plain data out.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"
#include "media/listfile/RegularFile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sixdice::media {

// A failed read's message, exactly as the reader words it (for example
// "Error reading TPictureCollectionComponent.List: ... DIB is invalid").
using LoadError = std::optional<std::string>;

// A failed load from disk: the reader's message ("Cannot open file NAME" when the file could not
// be read at all) and, in that case, why.
struct LoadFailure {
    std::string message;
    std::optional<FileRefusal> refusal;
};

// Loading replaces the list's entries. On failure the list holds the entries read so far (the
// failing one as far as it was read) and the failure is returned; a file that cannot be read
// (not a regular file, larger than file_limits::kListFile, ...) leaves the list untouched.
// std::nullopt means success. What a list may decode to is limited by DecodeBudget.h.
std::optional<LoadFailure> LoadImageList(const std::string& fileName, ImageList& list);
std::optional<LoadFailure> LoadSoundList(const std::string& fileName, SoundList& list);
LoadError ReadImageList(std::span<const std::uint8_t> bytes, ImageList& list);
LoadError ReadSoundList(std::span<const std::uint8_t> bytes, SoundList& list);

// How the writer stores pictures: a "TDIB" (24-bit, no file header) or a "TBitmap" ("BM" file).
enum class PictureStorage { Dib, Bitmap };

// Writes a list the way the stream format writes it; the resource name is stored upper-cased.
std::vector<std::uint8_t> WriteImageList(const ImageList& list, const std::string& resourceName,
                                         PictureStorage storage = PictureStorage::Dib);
std::vector<std::uint8_t> WriteSoundList(const SoundList& list, const std::string& resourceName);

// Writes bytes to a file; returns the failure's text, std::nullopt on success.
std::optional<std::string> SaveBytes(const std::string& fileName,
                                     std::span<const std::uint8_t> bytes);

} // namespace sixdice::media
