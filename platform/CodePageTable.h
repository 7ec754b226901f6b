// Code page 1250 from a table of its upper half, read once from the system's own converter: the
// desktop systems fill the table, the lookups in both directions are shared.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace sixdice::platform {

// The characters of bytes 0x80 to 0xFF; 0 where the code page defines none (U+0000 is ASCII's).
using Cp1250UpperHalf = std::array<char32_t, 128>;

// What the system's converter says of each byte from 0x80 to 0xFF; all 0 when it has none.
Cp1250UpperHalf ReadCp1250UpperHalf();

} // namespace sixdice::platform
