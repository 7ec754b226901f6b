// The code page 1250 lookups over the system's table, read on first use.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePageTable.h"

#include "platform/CodePage.h"

namespace sixdice::platform {
namespace {

const Cp1250UpperHalf& Table() {
    static const Cp1250UpperHalf table = ReadCp1250UpperHalf();
    return table;
}

} // namespace

std::optional<char32_t> Cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80 || Table()[byte - 0x80] == 0) {
        return std::nullopt;
    }
    return Table()[byte - 0x80];
}

// The reverse of the table rather than the system's converter: converters put look-alikes ("a"
// for "ã") in place of missing characters unless told not to.
std::optional<unsigned char> UnicodeToCp1250(char32_t character) {
    if (character < 0x80) {
        return std::nullopt;
    }
    const Cp1250UpperHalf& table = Table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace sixdice::platform
