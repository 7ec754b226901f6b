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

Picture DecodeBmpFile(std::span<const std::uint8_t> bytes, DecodeBudget& budget) {
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
    return DecodeDib(in, budget, layout);
}

std::optional<std::string> ReadBmpFile(std::span<const std::uint8_t> bytes, Picture& picture) {
    try {
        DecodeBudget budget;
        picture = DecodeBmpFile(bytes, budget);
        return std::nullopt;
    } catch (const ReadFailure& failure) {
        return failure.message;
    }
}

std::optional<LoadFailure> LoadBmpFile(const std::string& fileName, Picture& picture) {
    FileBytes file;
    if (auto refusal = ReadRegularFile(fileName, file_limits::kBitmapFile, file)) {
        return LoadFailure{"Cannot open file " + fileName, refusal};
    }
    if (auto error = ReadBmpFile(file.bytes(), picture)) {
        return LoadFailure{*error, std::nullopt};
    }
    return std::nullopt;
}

} // namespace sixdice::media
