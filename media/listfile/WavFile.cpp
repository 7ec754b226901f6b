// RIFF WAVE images: writing them, and reading them with the list file's or a ".wav" file's rules.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/WavFile.h"

#include "media/listfile/ByteCursor.h"
#include "media/listfile/ByteWriter.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace sixdice::media {

namespace {

bool HasPrefix(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

std::uint32_t Le32(const std::uint8_t* b) {
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
           (std::uint32_t(b[3]) << 24);
}

void Chunk(ByteWriter& out, const char* id, const std::vector<std::uint8_t>& data, bool pad) {
    out.chars(std::string_view(id, 4));
    out.u32(std::uint32_t(data.size()));
    out.bytes(data);
    if (pad && (data.size() & 1u)) {
        out.u8(0);
    }
}

} // namespace

std::vector<std::uint8_t> WriteWaveImage(const SoundEntry& entry, bool padOddChunks) {
    ByteWriter out;
    out.chars("RIFF");
    out.u32(0);
    out.chars("WAVE");
    Chunk(out, "fmt ", entry.format, padOddChunks);
    Chunk(out, "data", entry.samples, padOddChunks);
    out.patchU32(4, std::uint32_t(out.size() - 8));
    return out.release();
}

void ReadWaveBlock(std::span<const std::uint8_t> block, SoundEntry& entry) {
    if (!HasPrefix(block)) {
        throw ReadFailure(kWaveInvalid);
    }
    entry.format.clear();
    entry.samples.clear();
    std::size_t pos = 12;
    while (true) {
        // A chunk header is always 8 bytes; those past the end of the block count as zero.
        std::array<std::uint8_t, 8> header{};
        if (pos < block.size()) {
            const std::size_t have = std::min<std::size_t>(8, block.size() - pos);
            std::copy_n(block.begin() + pos, have, header.begin());
        }
        pos += 8;
        if (header[0] == 0 && header[1] == 0 && header[2] == 0 && header[3] == 0) {
            return;
        }
        const std::uint32_t size = Le32(header.data() + 4);
        const std::size_t left = pos < block.size() ? block.size() - pos : 0;
        const bool isFormat = std::memcmp(header.data(), "fmt ", 4) == 0;
        const bool isData = std::memcmp(header.data(), "data", 4) == 0;
        if ((isFormat || isData) && size > left) {
            throw ReadFailure(kStreamReadError);
        }
        if (isFormat) {
            entry.format.assign(block.begin() + pos, block.begin() + pos + size);
        } else if (isData) {
            entry.samples.assign(block.begin() + pos, block.begin() + pos + size);
        }
        // Passing over a chunk that runs past the end leaves only zero headers to read.
        pos = size > left ? block.size() : pos + size;
    }
}

std::optional<std::string> ReadWavFile(std::span<const std::uint8_t> bytes, SoundEntry& entry) {
    if (!HasPrefix(bytes)) {
        return std::string(kWaveInvalid);
    }
    try {
        ByteCursor in(bytes);
        in.skip(12);
        bool haveFormat = false, haveData = false;
        std::vector<std::uint8_t> format, samples;
        while (in.remaining() >= 8) {
            const std::string id = in.chars(4);
            const std::uint32_t size = in.u32();
            const auto data = in.take(std::min<std::size_t>(size, in.remaining()));
            if (id == "fmt ") {
                format.assign(data.begin(), data.end());
                haveFormat = true;
            } else if (id == "data") {
                samples.assign(data.begin(), data.end());
                haveData = true;
            }
            if ((size & 1u) && !in.atEnd()) {
                in.skip(1);
            }
        }
        if (!haveFormat || !haveData) {
            return std::string(kWaveInvalid);
        }
        entry.format = std::move(format);
        entry.samples = std::move(samples);
        return std::nullopt;
    } catch (const ReadFailure& failure) {
        return failure.message;
    }
}

} // namespace sixdice::media
