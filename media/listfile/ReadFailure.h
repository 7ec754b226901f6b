// The failure raised inside the list-file reader; it carries the message the player sees.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

namespace sixdice::media {

// Thrown only inside the reader and caught at its public entry points, so callers see a message.
struct ReadFailure {
    std::string message;
    explicit ReadFailure(std::string text) : message(std::move(text)) {}
};

inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kPropertyDoesNotExist = "Property does not exist";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kDibInvalid = "DIB is invalid";
inline constexpr const char* kPixelFormatInvalid = "PixelFormat in invalid";
inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";
inline constexpr const char* kWaveInvalid = "Wave is invalid";

} // namespace sixdice::media
