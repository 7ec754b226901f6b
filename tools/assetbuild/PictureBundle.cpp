// Reading and writing the builder's picture bundles, and turning them into an image list.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/PictureBundle.h"

#include "tools/assetbuild/SvgSource.h"

#include <cstring>
#include <fstream>

namespace sixdice::art {
namespace {

constexpr char kMagic[8] = {'S', 'D', 'P', 'I', 'C', 'S', '0', '1'};
constexpr int kMaxSide = 4096;

void PutU32(std::ofstream& out, std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    out.write(reinterpret_cast<const char*>(b), 4);
}

std::uint32_t GetU32(std::ifstream& in, const std::string& where) {
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) {
        throw ArtError(where + ": bundle ends early");
    }
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

} // namespace

void SaveBundle(const std::filesystem::path& file, const std::vector<BundledImage>& images) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw ArtError("cannot write " + file.string());
    }
    out.write(kMagic, sizeof kMagic);
    PutU32(out, std::uint32_t(images.size()));
    for (const BundledImage& image : images) {
        PutU32(out, std::uint32_t(image.number));
        PutU32(out, std::uint32_t(image.name.size()));
        out.write(image.name.data(), std::streamsize(image.name.size()));
        PutU32(out, image.transparent ? 1u : 0u);
        PutU32(out, image.transparentColor);
        PutU32(out, std::uint32_t(image.picture.width));
        PutU32(out, std::uint32_t(image.picture.height));
        for (const std::uint32_t pixel : image.picture.pixels) {
            PutU32(out, pixel);
        }
    }
    if (!out) {
        throw ArtError("cannot write " + file.string());
    }
}

std::vector<BundledImage> LoadBundle(const std::filesystem::path& file) {
    const std::string where = file.string();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw ArtError("cannot read " + where);
    }
    char magic[sizeof kMagic];
    if (!in.read(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof magic) != 0) {
        throw ArtError(where + ": not a picture bundle");
    }
    const std::uint32_t count = GetU32(in, where);
    if (count > 256) {
        throw ArtError(where + ": implausible image count");
    }
    std::vector<BundledImage> images(count);
    for (BundledImage& image : images) {
        image.number = int(GetU32(in, where));
        const std::uint32_t nameLength = GetU32(in, where);
        if (nameLength > 255) {
            throw ArtError(where + ": implausible name length");
        }
        image.name.resize(nameLength);
        if (!in.read(image.name.data(), nameLength)) {
            throw ArtError(where + ": bundle ends early");
        }
        image.transparent = GetU32(in, where) != 0;
        image.transparentColor = GetU32(in, where);
        const std::uint32_t w = GetU32(in, where);
        const std::uint32_t h = GetU32(in, where);
        if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) {
            throw ArtError(where + ": implausible picture size");
        }
        image.picture.width = int(w);
        image.picture.height = int(h);
        image.picture.pixels.resize(std::size_t(w) * h);
        for (std::uint32_t& pixel : image.picture.pixels) {
            pixel = GetU32(in, where) & 0x00FFFFFFu;
        }
    }
    return images;
}

media::ImageList BuildImageList(const std::vector<BundledImage>& images, int count) {
    media::ImageList list;
    list.colorTable.assign(1024, 0);
    list.entries.resize(std::size_t(count));
    std::vector<bool> seen(std::size_t(count), false);
    for (const BundledImage& image : images) {
        if (image.number < 0 || image.number >= count) {
            throw ArtError("image " + std::to_string(image.number) + " is outside 0.." +
                           std::to_string(count - 1));
        }
        if (seen[std::size_t(image.number)]) {
            throw ArtError("image " + std::to_string(image.number) + " is given twice");
        }
        seen[std::size_t(image.number)] = true;
        media::ImageEntry& entry = list.entries[std::size_t(image.number)];
        entry.name = image.name;
        entry.transparent = image.transparent;
        const unsigned rgb = image.transparentColor;
        entry.transparentColor = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        entry.picture = image.picture;
    }
    for (int n = 0; n < count; ++n) {
        if (!seen[std::size_t(n)]) {
            throw ArtError("image " + std::to_string(n) + " is missing");
        }
    }
    return list;
}

} // namespace sixdice::art
