// Code page 1250 on Windows: MultiByteToWideChar tells what each byte stands for, once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <array>
#include <windows.h>

namespace sixdice::platform {
namespace {

constexpr UINT kCodePage1250 = 1250;

// The characters of bytes 0x80 to 0xFF; 0 where the code page defines none.
using UpperHalf = std::array<char32_t, 128>;

UpperHalf ReadUpperHalf() {
    UpperHalf table{};
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const char in = static_cast<char>(byte);
        wchar_t out[2] = {};
        const int length = MultiByteToWideChar(kCodePage1250, MB_ERR_INVALID_CHARS, &in, 1, out, 2);
        // Windows passes the five undefined bytes through as the C1 controls of the same number;
        // those are no characters of the code page, so they count as undefined, as elsewhere.
        if (length == 1 && !(out[0] >= 0x80 && out[0] <= 0x9F)) {
            table[byte - 0x80] = char32_t(out[0]);
        }
    }
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

// The reverse of the table, not WideCharToMultiByte: that one puts look-alikes ("a" for "ã") in
// place of missing characters unless told not to, and maps back the C1 controls.
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
