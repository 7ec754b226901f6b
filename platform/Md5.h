// The MD5 digest, which the on-line table's check value is made of.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sixdice::platform {

using Md5Digest = std::array<std::uint8_t, 16>;

// The MD5 digest of `bytes` as they are; nothing when the system's hashing failed.
std::optional<Md5Digest> Md5(std::string_view bytes);

} // namespace sixdice::platform
