// MD5 through OpenSSL's EVP interface, over the code page 1250 bytes of the check input.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/CheckValue.h"

#include "scores/Cp1250.h"

#include <memory>
#include <openssl/evp.h>

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
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
        EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) != 1 ||
        EVP_DigestFinal_ex(context.get(), digest, &length) != 1) {
        return {};
    }
    static constexpr char hex[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        text.push_back(hex[digest[i] >> 4]);
        text.push_back(hex[digest[i] & 0x0F]);
    }
    return text;
}

std::string CheckValue(std::string_view bestName, std::int32_t bestValue, std::uint32_t r) {
    return Md5Hex(ToCp1250(CheckInput(bestName, bestValue, r)));
}

} // namespace sixdice::scores
