// Code page 1250 on Linux: the C library's iconv tells what each byte stands for, once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePageTable.h"

#include <iconv.h>

namespace sixdice::platform {

Cp1250UpperHalf ReadCp1250UpperHalf() {
    Cp1250UpperHalf table{};
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

} // namespace sixdice::platform
