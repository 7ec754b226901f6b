// Characters of UTF-8 text: counting, stepping between them and decoding one.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::media::widgets {

// The byte offsets where each character of valid UTF-8 text starts, followed by the text's length,
// so a text of n characters gives n + 1 offsets.
std::vector<std::size_t> CharacterStarts(std::string_view utf8);

// Number of characters (code points) of valid UTF-8 text.
int CharacterCount(std::string_view utf8);

// Length of the well-formed character starting at byte `at` (at < utf8.size()), or 0 when the bytes
// there are not one: a stray continuation byte, a cut-off sequence, an overlong or surrogate form.
std::size_t SequenceLength(std::string_view utf8, std::size_t at);

// The characters of `utf8` one by one, each as its own UTF-8 text. A byte sequence that is not
// valid UTF-8 (a stray continuation byte, a cut-off sequence, an overlong or surrogate form) is
// left out, so what comes back can always be inserted into a text safely.
std::vector<std::string> SplitCharacters(std::string_view utf8);

// The code point of one character as SplitCharacters gives it.
char32_t CodePointOf(std::string_view character);

// True for the characters a word ends at: spaces, tabs and the other white space of Unicode's
// Latin range (U+0020, U+0009, U+00A0 and the like).
bool IsWordBreak(char32_t codePoint);

} // namespace sixdice::media::widgets
