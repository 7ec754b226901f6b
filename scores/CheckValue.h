// The check value of an on-line submission: MD5 over the code page 1250 bytes of its input.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sixdice::scores {

inline constexpr std::string_view GameId = "43";
inline constexpr std::string_view CheckSalt = "5b0d7e21c4";

// "43" + name + value in decimal + salt + r in decimal, nothing between (UTF-8, unescaped).
std::string CheckInput(std::string_view bestName, std::int32_t bestValue, std::uint32_t r);

// 32 lower-case hex digits of the MD5 digest of `bytes`, taken as they are.
std::string Md5Hex(std::string_view bytes);

// Md5Hex of the code page 1250 form of CheckInput.
std::string CheckValue(std::string_view bestName, std::int32_t bestValue, std::uint32_t r);

} // namespace sixdice::scores
