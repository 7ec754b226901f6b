// The Windows icon file (.ico): one directory of pictures of several sizes, each stored as a PNG
// or as a 32-bit bitmap with its transparency mask, as Windows' resource compiler and shell take
// them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/assetbuild/IconRender.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sixdice::art {

// One picture of the file: `png` holds the picture's PNG file when it is to be stored as one;
// empty, the picture is stored as a bitmap.
struct IcoEntry {
    IconPicture picture;
    std::vector<std::uint8_t> png;
};

// The whole file, entries in the order given. Sizes run from 1 to 256; a size given twice, or none
// at all, is an ArtError.
std::vector<std::uint8_t> WriteIco(const std::vector<IcoEntry>& entries);

// What an icon file holds, read back: one picture per entry, decoded from a bitmap entry;
// PNG entries keep their bytes (and an empty picture). An error text for a file that is not a
// well-formed icon file.
struct IcoContents {
    struct Entry {
        int size = 0;
        int bitCount = 0;
        bool isPng = false;
        std::vector<std::uint8_t> png;
        IconPicture picture; // bitmap entries: straight alpha, 0xAARRGGBB
    };
    std::vector<Entry> entries;
};
std::optional<IcoContents> ReadIco(const std::vector<std::uint8_t>& bytes, std::string& error);

} // namespace sixdice::art
