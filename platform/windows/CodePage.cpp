// Code page 1250 on Windows: MultiByteToWideChar tells what each byte stands for, once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePageTable.h"

#include <windows.h>

namespace sixdice::platform {

constexpr UINT kCodePage1250 = 1250;

Cp1250UpperHalf ReadCp1250UpperHalf() {
    Cp1250UpperHalf table{};
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

} // namespace sixdice::platform
