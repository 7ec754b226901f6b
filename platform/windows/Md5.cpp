// MD5 on Windows through the system's cryptography API (BCrypt).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Md5.h"

#include <algorithm>

// windows.h first: the other Windows headers build on its types.
// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

namespace sixdice::platform {
namespace {

bool Succeeded(NTSTATUS status) {
    return status >= 0;
}

} // namespace

std::optional<Md5Digest> Md5(std::string_view bytes) {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!Succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0))) {
        return std::nullopt;
    }
    BCRYPT_HASH_HANDLE hash = nullptr;
    Md5Digest digest{};
    bool ok = Succeeded(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
    // BCryptHashData takes at most 4 GB at a time.
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ULONG piece = ULONG(std::min<std::size_t>(bytes.size() - done, 0x40000000));
        ok = Succeeded(BCryptHashData(
            hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + done)), piece, 0));
        done += piece;
    }
    ok = ok && Succeeded(BCryptFinishHash(hash, digest.data(), ULONG(digest.size()), 0));
    if (hash) {
        BCryptDestroyHash(hash);
    }
    BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!ok) {
        return std::nullopt;
    }
    return digest;
}

} // namespace sixdice::platform
