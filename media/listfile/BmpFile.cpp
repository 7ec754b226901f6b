// Bitmap files: a 14-byte "BM" file header in front of a DIB.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"

#include "media/listfile/ByteWriter.h"
#include "media/listfile/DibCodec.h"

namespace sixdice::media {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
}

std::vector<std::uint8_t> WriteBmpFile(const Picture& picture) {
    ByteWriter out;
    out.chars("BM");
    out.u32(0); // file size, filled in below
    out.u32(0);
    out.u32(kFileHeaderSize + 40);
    WriteDib24(picture, out);
    out.patchU32(2, std::uint32_t(out.size()));
    return out.release();
}

Picture DecodeBmpFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
        throw ReadFailure(kBitmapNotValid);
    }
    ByteCursor in(bytes);
    in.skip(10);
    const std::uint32_t pixelOffset = in.u32();
    DibLayout layout;
    layout.allowLargeHeaders = true;
    // An offset of 0 or one beyond the file is not a place to look for pixels; read on in order.
    if (pixelOffset != 0 && pixelOffset <= bytes.size()) {
        layout.pixelOffset = pixelOffset;
    }
    return DecodeDib(in, layout);
}

std::optional<std::string> ReadBmpFile(std::span<const std::uint8_t> bytes, Picture& picture) {
    try {
        picture = DecodeBmpFile(bytes);
        return std::nullopt;
    } catch (const ReadFailure& failure) {
        return failure.message;
    }
}

} // namespace sixdice::media
