// Writing and reading the icon file's directory and its bitmap entries (little-endian fields,
// rows bottom-up, the 1-bit mask after the colour rows, each mask row padded to 32 bits).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/IcoFile.h"

#include <algorithm>
#include <set>

namespace sixdice::art {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

std::size_t MaskRowBytes(int size) {
    return ((std::size_t(size) + 31) / 32) * 4;
}

// BITMAPINFOHEADER (its height counts colour rows and mask rows), the colour rows as BGRA and the
// mask, both bottom-up. The mask marks fully transparent pixels, for the few readers that use it.
std::vector<std::uint8_t> Bitmap(const IconPicture& picture) {
    const int size = picture.size;
    const std::size_t colourBytes = std::size_t(size) * size * 4;
    const std::size_t maskBytes = MaskRowBytes(size) * size;
    std::vector<std::uint8_t> out;
    out.reserve(kBitmapHeaderSize + colourBytes + maskBytes);
    Put32(out, kBitmapHeaderSize);
    Put32(out, std::uint32_t(size));
    Put32(out, std::uint32_t(size) * 2);
    Put16(out, 1);  // planes
    Put16(out, 32); // bits per pixel
    Put32(out, 0);  // no compression
    Put32(out, std::uint32_t(colourBytes + maskBytes));
    for (int i = 0; i < 4; ++i)
        Put32(out, 0); // resolution and palette: unused
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x)
            Put32(out, picture.pixels[std::size_t(y) * size + x]); // 0xAARRGGBB is B, G, R, A
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskRowBytes(size), 0);
        for (int x = 0; x < size; ++x) {
            if ((picture.pixels[std::size_t(y) * size + x] >> 24) == 0)
                row[std::size_t(x) / 8] |= std::uint8_t(0x80u >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::uint32_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return Get16(b, at) | Get16(b, at + 2) << 16;
}

bool ReadBitmap(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t length, int size,
                IcoContents::Entry& entry, std::string& error) {
    if (length < kBitmapHeaderSize || Get32(b, at) != kBitmapHeaderSize) {
        error = "a bitmap entry without its 40-byte header";
        return false;
    }
    if (Get32(b, at + 4) != std::uint32_t(size) || Get32(b, at + 8) != std::uint32_t(size) * 2) {
        error = "a bitmap entry whose size differs from its directory entry";
        return false;
    }
    entry.bitCount = int(Get16(b, at + 14));
    if (entry.bitCount != 32 || Get32(b, at + 16) != 0) {
        error = "a bitmap entry that is not 32 bits per pixel, uncompressed";
        return false;
    }
    const std::size_t colourBytes = std::size_t(size) * size * 4;
    if (length < kBitmapHeaderSize + colourBytes + MaskRowBytes(size) * size) {
        error = "a bitmap entry cut short";
        return false;
    }
    entry.picture.size = size;
    entry.picture.pixels.resize(std::size_t(size) * size);
    std::size_t p = at + kBitmapHeaderSize;
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x, p += 4)
            entry.picture.pixels[std::size_t(y) * size + x] = Get32(b, p);
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> WriteIco(const std::vector<IcoEntry>& entries) {
    if (entries.empty())
        throw ArtError("an icon file needs at least one picture");
    std::set<int> sizes;
    std::vector<std::vector<std::uint8_t>> images;
    for (const IcoEntry& entry : entries) {
        const int size = entry.picture.size;
        if (size < 1 || size > 256)
            throw ArtError("an icon file holds pictures of 1 to 256 pixels, not " +
                           std::to_string(size));
        if (!sizes.insert(size).second)
            throw ArtError("the icon size " + std::to_string(size) + " is given twice");
        if (entry.png.empty() && entry.picture.pixels.size() != std::size_t(size) * size)
            throw ArtError("an icon picture of the wrong number of pixels");
        images.push_back(entry.png.empty() ? Bitmap(entry.picture) : entry.png);
    }
    std::vector<std::uint8_t> out;
    Put16(out, 0); // reserved
    Put16(out, 1); // an icon, not a cursor
    Put16(out, std::uint32_t(entries.size()));
    std::size_t offset = kDirectorySize + kEntrySize * entries.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int size = entries[i].picture.size;
        out.push_back(std::uint8_t(size == 256 ? 0 : size)); // 0 stands for 256
        out.push_back(std::uint8_t(size == 256 ? 0 : size));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1);  // planes
        Put16(out, 32); // bits per pixel
        Put32(out, std::uint32_t(images[i].size()));
        Put32(out, std::uint32_t(offset));
        offset += images[i].size();
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

std::optional<IcoContents> ReadIco(const std::vector<std::uint8_t>& b, std::string& error) {
    if (b.size() < kDirectorySize || Get16(b, 0) != 0 || Get16(b, 2) != 1) {
        error = "no icon file directory";
        return std::nullopt;
    }
    const std::size_t count = Get16(b, 4);
    if (count == 0 || b.size() < kDirectorySize + kEntrySize * count) {
        error = "an icon file directory cut short or empty";
        return std::nullopt;
    }
    IcoContents contents;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = kDirectorySize + kEntrySize * i;
        IcoContents::Entry entry;
        entry.size = b[e] == 0 ? 256 : b[e];
        if ((b[e + 1] == 0 ? 256 : b[e + 1]) != entry.size) {
            error = "an icon entry that is not square";
            return std::nullopt;
        }
        const std::size_t length = Get32(b, e + 8);
        const std::size_t at = Get32(b, e + 12);
        if (at < kDirectorySize + kEntrySize * count || at > b.size() || length > b.size() - at) {
            error = "an icon entry outside the file";
            return std::nullopt;
        }
        entry.isPng = length >= 8 && std::equal(std::begin(kPngSignature), std::end(kPngSignature),
                                                b.begin() + long(at));
        if (entry.isPng) {
            entry.bitCount = int(Get16(b, e + 6));
            entry.png.assign(b.begin() + long(at), b.begin() + long(at + length));
        } else if (!ReadBitmap(b, at, length, entry.size, entry, error)) {
            return std::nullopt;
        }
        contents.entries.push_back(std::move(entry));
    }
    return contents;
}

} // namespace sixdice::art
