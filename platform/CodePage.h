// Code page 1250, the single-byte code page of the settings file and the on-line table: what
// each byte above ASCII stands for. The conversions of whole texts build on these two.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace sixdice::platform {

// The Unicode character of a code page 1250 byte from 0x80 to 0xFF; nothing for the five bytes
// the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) and for bytes below 0x80, which
// are ASCII in both and never asked for.
std::optional<char32_t> Cp1250ToUnicode(unsigned char byte);

// The code page 1250 byte (0x80 to 0xFF) of a character outside ASCII; nothing when the code page
// has no such character. Only exact characters count: no look-alike is put in a character's place.
std::optional<unsigned char> UnicodeToCp1250(char32_t character);

} // namespace sixdice::platform
