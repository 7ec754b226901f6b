// Saving and loading pictures as PNG files, for golden-image tests and screenshots.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <optional>
#include <string>

namespace sixdice::media::testing {

// Writes an 8-bit RGB PNG; returns the failure's text, std::nullopt on success.
std::optional<std::string> SavePng(const Picture& picture, const std::string& fileName);

// Reads any PNG (palette, grey, alpha are converted to RGB, alpha dropped); std::nullopt on
// failure.
std::optional<Picture> LoadPng(const std::string& fileName);

// Where two pictures of the same size differ: the count of differing pixels and the first one.
struct PictureDifference {
    bool sameSize = true;
    long differing = 0;
    int firstX = -1;
    int firstY = -1;
    std::uint32_t expected = 0;
    std::uint32_t actual = 0;
    bool Same() const { return sameSize && differing == 0; }
    std::string Describe() const;
};

PictureDifference ComparePictures(const Picture& expected, const Picture& actual);

} // namespace sixdice::media::testing
