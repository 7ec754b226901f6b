// Code page 1250 on Linux: the C library's iconv tells what each byte stands for, once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <array>
#include <iconv.h>

namespace sixdice::platform {
namespace {

// The characters of bytes 0x80 to 0xFF; 0 where the code page defines none (U+0000 is ASCII's).
using UpperHalf = std::array<char32_t, 128>;

UpperHalf ReadUpperHalf() {
    UpperHalf table{};
    const iconv_t cd = iconv_open("UTF-32LE", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return table; // no converter: every byte above ASCII counts as undefined
    }
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in[1] = {static_cast<char>(byte)};
        unsigned char out[8] = {};
        char* inPtr = in;
        std::size_t inLeft = 1;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
            sizeof out - outLeft == 4) {
            table[byte - 0x80] = char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 |
                                 char32_t(out[3]) << 24;
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return table;
}

const UpperHalf& Table() {
    static const UpperHalf table = ReadUpperHalf();
    return table;
}

} // namespace

std::optional<char32_t> Cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80 || Table()[byte - 0x80] == 0) {
        return std::nullopt;
    }
    return Table()[byte - 0x80];
}

std::optional<unsigned char> UnicodeToCp1250(char32_t character) {
    if (character < 0x80) {
        return std::nullopt;
    }
    const UpperHalf& table = Table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace sixdice::platform
