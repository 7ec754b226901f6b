// A bounded little-endian reader over a byte span: no read can run past the end.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ReadFailure.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace sixdice::media {

class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }

    // Every read fails with "Stream read error" when the bytes are not there.
    std::span<const std::uint8_t> take(std::size_t count) {
        require(count);
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    void skip(std::size_t count) { take(count); }
    std::uint8_t u8() { return take(1)[0]; }
    std::uint8_t peek() const {
        require(1);
        return bytes_[pos_];
    }
    std::uint16_t u16() {
        auto b = take(2);
        return std::uint16_t(b[0] | (b[1] << 8));
    }
    std::uint32_t u32() {
        auto b = take(4);
        return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
               (std::uint32_t(b[3]) << 24);
    }
    std::int8_t i8() { return std::int8_t(u8()); }
    std::int16_t i16() { return std::int16_t(u16()); }
    std::int32_t i32() { return std::int32_t(u32()); }
    std::string chars(std::size_t count) {
        auto b = take(count);
        return std::string(b.begin(), b.end());
    }
    // One length byte, then that many characters.
    std::string shortString() { return chars(u8()); }

private:
    void require(std::size_t count) const {
        if (count > remaining()) {
            throw ReadFailure(kStreamReadError);
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

} // namespace sixdice::media
