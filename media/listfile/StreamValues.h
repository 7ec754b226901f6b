// Reading typed property values of the object stream, with the type rules of each property kind.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ByteCursor.h"
#include "media/listfile/ListData.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sixdice::media {

// Each reads the value's tag and payload; a tag the kind does not accept fails with
// "Invalid property value" after consuming only the tag.
std::int32_t ReadIntegerValue(ByteCursor& in);
std::string ReadTextValue(ByteCursor& in);
std::span<const std::uint8_t> ReadBinaryValue(ByteCursor& in);
// True only for tag 9; any other tag is false and only the tag byte is consumed.
bool ReadBooleanValue(ByteCursor& in);
// An integer in the form $00BBGGRR or a colour name.
ColorCode ReadColorValue(ByteCursor& in);
// Passes over any value of the stream format (used for objects the lists do not hold).
void SkipValue(ByteCursor& in, int depth = 0);

// Property names compare without regard to the case of A to Z only.
bool SameName(std::string_view a, std::string_view b);

} // namespace sixdice::media
