// MD5 as the platform computes it: the published test vectors, and bytes of every value.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Md5.h"

#include <gtest/gtest.h>
#include <string>

namespace sixdice::platform {
namespace {

std::string Hex(std::string_view bytes) {
    const auto digest = Md5(bytes);
    if (!digest) {
        return "(failed)";
    }
    std::string text;
    for (const std::uint8_t b : *digest) {
        static constexpr char hex[] = "0123456789abcdef";
        text += hex[b >> 4];
        text += hex[b & 15];
    }
    return text;
}

TEST(Md5, PublishedTestVectors) {
    EXPECT_EQ(Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Hex("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(Hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(
        Hex("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
        "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, TakesEveryByteAsItIsIncludingNulAndHighBytes) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Hex(all), "e2c865db4162bed963bfaa9ef6ac18f0");
    EXPECT_NE(Hex(std::string("a\0b", 3)), Hex("ab")) << "a NUL byte counts";
    // A million bytes: digests longer than one block of the hash's own buffer.
    EXPECT_EQ(Hex(std::string(1000000, 'a')), "7707d6ae4e027c70eea2a935c2296f21");
}

} // namespace
} // namespace sixdice::platform
