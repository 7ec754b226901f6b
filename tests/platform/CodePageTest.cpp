// Code page 1250 as the platform maps it: the whole upper half, both ways, exact characters only.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <gtest/gtest.h>
#include <set>

namespace sixdice::platform {
namespace {

TEST(CodePage1250, CzechLettersAndPunctuationSitWhereTheCodePageHasThem) {
    const struct {
        unsigned char byte;
        char32_t character;
    } known[] = {
        {0x80, U'€'}, {0x84, U'„'}, {0x8A, U'Š'}, {0x8D, U'Ť'},      {0x8E, U'Ž'}, {0x93, U'“'},
        {0x9A, U'š'}, {0x9D, U'ť'}, {0x9E, U'ž'}, {0xA0, U'\u00A0'}, {0xC1, U'Á'}, {0xC8, U'Č'},
        {0xC9, U'É'}, {0xCC, U'Ě'}, {0xCD, U'Í'}, {0xCF, U'Ď'},      {0xD2, U'Ň'}, {0xD8, U'Ř'},
        {0xD9, U'Ů'}, {0xDA, U'Ú'}, {0xDD, U'Ý'}, {0xE1, U'á'},      {0xE4, U'ä'}, {0xE8, U'č'},
        {0xE9, U'é'}, {0xEC, U'ě'}, {0xF8, U'ř'}, {0xF9, U'ů'},      {0xFD, U'ý'}, {0xFF, U'˙'},
    };
    for (const auto& k : known) {
        EXPECT_EQ(Cp1250ToUnicode(k.byte), k.character) << std::hex << int(k.byte);
        EXPECT_EQ(UnicodeToCp1250(k.character), k.byte) << std::hex << int(k.byte);
    }
}

TEST(CodePage1250, TheFiveUndefinedBytesHaveNoCharacterAndTheRestRoundTrip) {
    const std::set<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
    std::set<char32_t> seen;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const auto character = Cp1250ToUnicode(static_cast<unsigned char>(byte));
        if (undefined.count(byte)) {
            EXPECT_FALSE(character.has_value()) << std::hex << byte;
            continue;
        }
        ASSERT_TRUE(character.has_value()) << std::hex << byte;
        EXPECT_GE(*character, 0xA0u) << "no C1 control stands in for a byte: " << std::hex << byte;
        EXPECT_TRUE(seen.insert(*character).second) << "one byte per character";
        EXPECT_EQ(UnicodeToCp1250(*character), byte) << std::hex << byte;
    }
    EXPECT_EQ(seen.size(), 123u);
}

TEST(CodePage1250, CharactersOutsideTheCodePageHaveNoByteNotEvenALookAlike) {
    // C1 controls (which some systems pass through for the undefined bytes), letters the code page
    // lacks although a look-alike is there (ã, ø, Œ), and characters far outside it.
    for (const char32_t c : {U'\u0081', U'\u0090', U'ã', U'ø', U'Œ', U'ñ', U'à', U'Ω', U'中',
                             U'\U0001F3B2', U'\uFFFD', char32_t(0x110000)}) {
        EXPECT_FALSE(UnicodeToCp1250(c).has_value()) << std::hex << std::uint32_t(c);
    }
    EXPECT_EQ(UnicodeToCp1250(U'ß'), 0xDF) << "ß is in the code page";
    EXPECT_FALSE(UnicodeToCp1250(U'A').has_value()) << "ASCII is never asked for";
    EXPECT_FALSE(Cp1250ToUnicode('A').has_value());
}

} // namespace
} // namespace sixdice::platform
