// A growing little-endian byte buffer for the list-file, BMP and WAV writers.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace sixdice::media {

class ByteWriter {
public:
    // Starting with some room also keeps GCC's overflow warning from misjudging the first insert.
    ByteWriter() { bytes_.reserve(256); }

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(std::uint8_t(v));
        u8(std::uint8_t(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(std::uint16_t(v));
        u16(std::uint16_t(v >> 16));
    }
    void i32(std::int32_t v) { u32(std::uint32_t(v)); }
    void bytes(std::span<const std::uint8_t> data) {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    void chars(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    // One length byte, then the characters; callers keep the text under 256 bytes.
    void shortString(std::string_view text) {
        auto kept = text.substr(0, 255);
        u8(std::uint8_t(kept.size()));
        chars(kept);
    }
    void patchU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes_[at + i] = std::uint8_t(v >> (8 * i));
        }
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t>& data() { return bytes_; }
    const std::vector<std::uint8_t>& data() const { return bytes_; }
    std::vector<std::uint8_t> release() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace sixdice::media
