// Decoding every stored DIB form and writing the 24-bit one.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/DibCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace sixdice::media {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
// A run-length coded picture may not decode to more pixels than this many per coded byte (beyond a
// fixed allowance), so a tiny block cannot claim a gigantic picture.
constexpr std::int64_t kRlePixelsPerByte = 256;
constexpr std::int64_t kRlePixelAllowance = std::int64_t(1) << 20;

struct DibHeader {
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // always positive here; topDown tells the row order
    bool topDown = false;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    bool hasMasks = false;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
};

DibHeader ReadHeader(ByteCursor& in, const DibLayout& layout) {
    DibHeader h;
    const std::size_t start = in.position();
    h.size = in.u32();
    if (h.size == 12) {
        h.width = in.u16();
        h.height = in.u16();
        in.u16(); // planes
        h.bitCount = in.u16();
        return h;
    }
    const bool large = layout.allowLargeHeaders &&
                       (h.size == 52 || h.size == 56 || h.size == 108 || h.size == 124);
    if (h.size != 40 && !large) {
        throw ReadFailure(kDibInvalid);
    }
    h.width = in.i32();
    const std::int32_t height = in.i32();
    h.topDown = height < 0;
    h.height = height < 0 ? -std::int64_t(height) : height;
    in.u16(); // planes
    h.bitCount = in.u16();
    h.compression = in.u32();
    h.imageSize = in.u32();
    in.skip(8); // resolution
    h.colorsUsed = in.u32();
    in.u32(); // important colours
    if (h.compression == kBitFields) {
        h.hasMasks = true;
        for (auto& m : h.masks) {
            m = in.u32();
        }
    }
    if (large) {
        // The larger headers hold their masks in place of the separate mask block.
        const std::size_t end = start + h.size;
        if (in.position() < end) {
            in.skip(end - in.position());
        }
    }
    return h;
}

void CheckFormat(const DibHeader& h) {
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        throw ReadFailure("Bitcount in invalid (" + std::to_string(h.bitCount) + ")");
    }
    std::array<int, 3> bits{8, 8, 8};
    if (h.hasMasks) {
        for (int i = 0; i < 3; ++i) {
            bits[i] = std::popcount(h.masks[i]);
        }
    } else if (h.bitCount == 16) {
        bits = {5, 5, 5};
    }
    const bool valid = h.bitCount == 16 ? (bits == std::array<int, 3>{5, 5, 5} ||
                                           bits == std::array<int, 3>{5, 6, 5})
                                        : bits == std::array<int, 3>{8, 8, 8};
    if (!valid) {
        throw ReadFailure(kPixelFormatInvalid);
    }
    if (h.compression > kBitFields || (h.compression == kRle8 && h.bitCount != 8) ||
        (h.compression == kRle4 && h.bitCount != 4)) {
        throw ReadFailure(kDibInvalid);
    }
    if (h.width <= 0 || h.width > kMaxPictureSide || h.height <= 0 || h.height > kMaxPictureSide) {
        throw ReadFailure(kDibInvalid);
    }
}

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

// Widens a 5- or 6-bit channel to 8 bits so that full intensity stays full.
constexpr std::uint32_t Widen5(std::uint32_t v) {
    return (v << 3) | (v >> 2);
}
constexpr std::uint32_t Widen6(std::uint32_t v) {
    return (v << 2) | (v >> 4);
}

class PixelSink {
public:
    PixelSink(Picture& p, bool topDown) : p_(p), topDown_(topDown) {}
    std::uint32_t* row(std::int64_t storedRow) {
        const std::int64_t y = topDown_ ? storedRow : p_.height - 1 - storedRow;
        return p_.pixels.data() + y * p_.width;
    }

private:
    Picture& p_;
    bool topDown_;
};

void DecodeRows(ByteCursor& in, const DibHeader& h, const std::array<std::uint32_t, 256>& palette,
                Picture& out) {
    const std::int64_t rowBytes = ((h.width * h.bitCount + 31) / 32) * 4;
    if (rowBytes * h.height > std::int64_t(in.remaining())) {
        throw ReadFailure(kDibInvalid);
    }
    const bool is565 = h.bitCount == 16 && h.hasMasks && std::popcount(h.masks[1]) == 6;
    PixelSink sink(out, h.topDown);
    const int w = int(h.width);
    for (std::int64_t y = 0; y < h.height; ++y) {
        const std::uint8_t* src = in.take(std::size_t(rowBytes)).data();
        std::uint32_t* dst = sink.row(y);
        switch (h.bitCount) {
        case 1:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            }
            break;
        case 4:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
            }
            break;
        case 8:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[src[x]];
            }
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                const std::uint32_t v = src[2 * x] | (std::uint32_t(src[2 * x + 1]) << 8);
                dst[x] = is565 ? Rgb(Widen5(v >> 11), Widen6((v >> 5) & 63), Widen5(v & 31))
                               : Rgb(Widen5((v >> 10) & 31), Widen5((v >> 5) & 31), Widen5(v & 31));
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x, src += 3) {
                dst[x] = Rgb(src[2], src[1], src[0]);
            }
            break;
        default: // 32
            for (int x = 0; x < w; ++x, src += 4) {
                dst[x] = Rgb(src[2], src[1], src[0]);
            }
            break;
        }
    }
}

// The Windows run-length coding: (count, value) runs, and after a zero count the escapes 0 (end of
// line), 1 (end of picture), 2 (move right and up) or n >= 3 literal pixels padded to a whole word.
// Pixels the coding never reaches keep colour 0 of the table.
void DecodeRle(ByteCursor& in, const DibHeader& h, const std::array<std::uint32_t, 256>& palette,
               Picture& out) {
    ByteCursor code(in.take(h.imageSize));
    std::fill(out.pixels.begin(), out.pixels.end(), palette[0]);
    PixelSink sink(out, h.topDown);
    const bool four = h.compression == kRle4;
    std::int64_t x = 0, y = 0;
    auto put = [&](std::uint8_t index) {
        if (x < h.width && y < h.height) {
            sink.row(y)[x] = palette[index];
        }
        ++x;
    };
    while (code.remaining() >= 2 && y < h.height) {
        const std::uint8_t count = code.u8();
        const std::uint8_t value = code.u8();
        if (count > 0) {
            const std::int64_t shown =
                std::min<std::int64_t>(count, std::max<std::int64_t>(0, h.width - x));
            for (std::int64_t i = 0; i < shown; ++i) {
                put(four ? std::uint8_t((i & 1) ? value & 15 : value >> 4) : value);
            }
            x += count - shown;
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (code.remaining() < 2) {
                break;
            }
            x += code.u8();
            y += code.u8();
        } else {
            std::size_t bytes = four ? (value + 1u) / 2u : value;
            bytes += bytes & 1u;
            const auto literal = code.take(std::min(bytes, code.remaining()));
            for (int i = 0; i < value; ++i) {
                const std::size_t at = four ? std::size_t(i / 2) : std::size_t(i);
                if (at >= literal.size()) {
                    break;
                }
                put(four ? std::uint8_t((i & 1) ? literal[at] & 15 : literal[at] >> 4)
                         : literal[at]);
            }
        }
    }
}

} // namespace

void WriteDib24(const Picture& picture, ByteWriter& out) {
    const std::uint32_t rowBytes = ((std::uint32_t(picture.width) * 24 + 31) / 32) * 4;
    out.u32(40);
    out.i32(picture.width);
    out.i32(picture.height);
    out.u16(1);
    out.u16(24);
    out.u32(kRgb);
    out.u32(rowBytes * std::uint32_t(picture.height));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    auto& bytes = out.data();
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t rowStart = bytes.size();
        bytes.resize(rowStart + rowBytes, 0);
        std::uint8_t* dst = bytes.data() + rowStart;
        const std::uint32_t* src = picture.pixels.data() + std::size_t(y) * picture.width;
        for (int x = 0; x < picture.width; ++x, dst += 3) {
            dst[0] = std::uint8_t(src[x]);
            dst[1] = std::uint8_t(src[x] >> 8);
            dst[2] = std::uint8_t(src[x] >> 16);
        }
    }
}

Picture DecodeDib(ByteCursor& in, DecodeBudget& budget, const DibLayout& layout) {
    if (in.remaining() == 0) {
        return {};
    }
    if (in.remaining() < 4) {
        throw ReadFailure(kDibInvalid);
    }
    const DibHeader h = ReadHeader(in, layout);
    CheckFormat(h);

    std::uint32_t colors = h.colorsUsed;
    if (colors == 0 && h.bitCount <= 8) {
        colors = 1u << h.bitCount;
    }
    colors = std::min<std::uint32_t>(colors, 256);
    std::array<std::uint32_t, 256> palette{};
    const std::size_t entrySize = h.size == 12 ? 3 : 4;
    for (std::uint32_t i = 0; i < colors; ++i) {
        const auto e = in.take(entrySize);
        palette[i] = Rgb(e[2], e[1], e[0]);
    }
    if (layout.pixelOffset && *layout.pixelOffset > in.position()) {
        const std::size_t gap = *layout.pixelOffset - in.position();
        if (gap > in.remaining()) {
            throw ReadFailure(kDibInvalid);
        }
        in.skip(gap);
    }

    Picture out;
    out.width = int(h.width);
    out.height = int(h.height);
    if (h.compression == kRle8 || h.compression == kRle4) {
        // Checked before any pixel memory is taken.
        if (h.imageSize > in.remaining() ||
            h.width * h.height > std::max(kRlePixelAllowance, kRlePixelsPerByte * h.imageSize)) {
            throw ReadFailure(kDibInvalid);
        }
        budget.TakePicture(h.width, h.height);
        out.pixels.resize(std::size_t(h.width * h.height));
        DecodeRle(in, h, palette, out);
    } else {
        // Checked against the remaining bytes before any pixel memory is taken.
        const std::int64_t rowBytes = ((h.width * h.bitCount + 31) / 32) * 4;
        if (rowBytes * h.height > std::int64_t(in.remaining())) {
            throw ReadFailure(kDibInvalid);
        }
        budget.TakePicture(h.width, h.height);
        out.pixels.resize(std::size_t(h.width * h.height));
        DecodeRows(in, h, palette, out);
    }
    return out;
}

} // namespace sixdice::media
