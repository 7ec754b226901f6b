// MD5 on Linux through OpenSSL's EVP interface.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Md5.h"

#include <memory>
#include <openssl/evp.h>

namespace sixdice::platform {

std::optional<Md5Digest> Md5(std::string_view bytes) {
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
        EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) != 1 ||
        EVP_DigestFinal_ex(context.get(), digest, &length) != 1 || length != 16) {
        return std::nullopt;
    }
    Md5Digest out{};
    std::copy(digest, digest + 16, out.begin());
    return out;
}

} // namespace sixdice::platform
