// The check value: MD5 over the code page 1250 bytes of the check input, in hex.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/CheckValue.h"

#include "platform/Md5.h"
#include "scores/Cp1250.h"

namespace sixdice::scores {

std::string CheckInput(std::string_view bestName, std::int32_t bestValue, std::uint32_t r) {
    std::string input(GameId);
    input += bestName;
    input += std::to_string(bestValue);
    input += CheckSalt;
    input += std::to_string(r);
    return input;
}

std::string Md5Hex(std::string_view bytes) {
    const auto digest = platform::Md5(bytes);
    if (!digest) {
        return {};
    }
    static constexpr char hex[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * digest->size());
    for (const std::uint8_t byte : *digest) {
        text.push_back(hex[byte >> 4]);
        text.push_back(hex[byte & 0x0F]);
    }
    return text;
}

std::string CheckValue(std::string_view bestName, std::int32_t bestValue, std::uint32_t r) {
    return Md5Hex(ToCp1250(CheckInput(bestName, bestValue, r)));
}

} // namespace sixdice::scores
