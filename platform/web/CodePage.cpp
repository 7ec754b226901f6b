// Code page 1250 in the browser build: Emscripten's own C library converts it (its iconv knows
// the code page), one character at a time.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <cstdint>
#include <iconv.h>

namespace sixdice::platform {
namespace {

// One conversion of `in` (its bytes) into at most `outSize` bytes; how many came out, or nothing
// when the converter refused.
std::optional<std::size_t> ConvertOnce(const char* to, const char* from, char* in,
                                       std::size_t inSize, char* out, std::size_t outSize) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::size_t inLeft = inSize;
    std::size_t outLeft = outSize;
    char* outAt = out;
    const std::size_t result = iconv(cd, &in, &inLeft, &outAt, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return outSize - outLeft;
}

} // namespace

std::optional<char32_t> Cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80)
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[4] = {};
    const auto length = ConvertOnce("UTF-32LE", "CP1250", in, 1, out, sizeof out);
    if (!length || *length != 4)
        return std::nullopt;
    const auto b = [&](int i) { return char32_t(static_cast<unsigned char>(out[i])); };
    const char32_t character = b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
    // Some converters give the bytes the code page leaves undefined a C1 control character of
    // the same number; those bytes stand for nothing.
    if (character == byte && byte < 0xA0)
        return std::nullopt;
    return character;
}

std::optional<unsigned char> UnicodeToCp1250(char32_t character) {
    if (character < 0x80 || character > 0x10FFFF)
        return std::nullopt;
    char in[4] = {static_cast<char>(character & 0xFF), static_cast<char>((character >> 8) & 0xFF),
                  static_cast<char>((character >> 16) & 0xFF),
                  static_cast<char>((character >> 24) & 0xFF)};
    char out[4] = {};
    const auto length = ConvertOnce("CP1250", "UTF-32LE", in, 4, out, sizeof out);
    if (!length || *length != 1)
        return std::nullopt;
    const auto byte = static_cast<unsigned char>(out[0]);
    // Only the exact character counts: a converter's stand-in for a missing one is refused by
    // asking the way back.
    if (byte < 0x80 || Cp1250ToUnicode(byte) != character)
        return std::nullopt;
    return byte;
}

} // namespace sixdice::platform
