// Code page 1250 at the edges: the settings file's bytes, the bytes the check value hashes and
// the address carries.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sixdice::scores {

// The code page 1250 bytes of a UTF-8 text. A character the code page cannot hold, or a byte
// that is not valid UTF-8, becomes "?" (what a code page 1250 system would send in its place).
std::string ToCp1250(std::string_view utf8);

// True when every character of the UTF-8 text exists in code page 1250.
bool IsCp1250Representable(std::string_view utf8);

// The UTF-8 text of code page 1250 bytes; the five bytes the code page leaves undefined become
// U+FFFD, so no byte is silently lost.
std::string FromCp1250(std::string_view bytes);

} // namespace sixdice::scores
