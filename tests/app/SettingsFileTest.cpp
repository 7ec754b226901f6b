// The settings file: code page 1250 lines, line ends, odd bytes, and reading it from the working
// folder.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include "tests/app/UserSettingsIsolation.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <fstream>
#include <gmock/gmock.h>

namespace sixdice::app {
namespace {

struct SplitCase {
    const char* label;
    std::string bytes;
    std::vector<std::string> expected; // the first three lines
    std::size_t count;                 // lines the file holds
};

TEST(SettingsFile, SplitsLinesAndReadsMissingOnesAsEmpty) {
    const SplitCase cases[] = {
        {"no music, English", "0\n0\nEN\n", {"0", "0", "EN"}, 3},
        {"Windows line ends", "menu.ogg\r\nhra.ogg\r\nCZ\r\n", {"menu.ogg", "hra.ogg", "CZ"}, 3},
        {"no final line end", "0\n0\nCZ", {"0", "0", "CZ"}, 3},
        {"more than three lines", "a\nb\nEN\nextra\nmore\n", {"a", "b", "EN"}, 5},
        {"one line only", "0\n", {"0", "", ""}, 1},
        {"empty file", "", {"", "", ""}, 0},
        {"empty lines keep their place", "\n\nEN\n", {"", "", "EN"}, 3},
        {"lower case stays lower case", "0\n0\ncz\n", {"0", "0", "cz"}, 3},
        {"spaces are kept", " menu.ogg \n0\nEN \n", {" menu.ogg ", "0", "EN "}, 3},
        {"a lone CR inside a line stays", "a\rb\n0\nEN\n", {"a\rb", "0", "EN"}, 3},
    };
    for (const auto& c : cases) {
        const ui::SettingsLines lines = SplitSettingsText(c.bytes);
        EXPECT_EQ(lines.Count(), c.count) << c.label;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(lines.Line(i), c.expected[i]) << c.label << ", line " << i;
        }
        EXPECT_EQ(lines.Line(99), "") << c.label;
    }
}

TEST(SettingsFile, DecodesCodePage1250) {
    // "Šťastná píseň.ogg" in code page 1250.
    EXPECT_EQ(DecodeCp1250("\x8A\x9D"
                           "astn\xE1 p\xEDse\xF2.ogg"),
              "Šťastná píseň.ogg");
    EXPECT_EQ(DecodeCp1250("\xE8\x9A\x9E\xF8\xFD"), "čšžřý");
    EXPECT_EQ(DecodeCp1250("\x80 \x84\x93"), "€ „“");
    // Bytes the code page leaves undefined are not dropped silently.
    EXPECT_EQ(DecodeCp1250("a\x81"
                           "b\x98"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}

TEST(SettingsFile, LoadsFromTheWorkingFolder) {
    testsupport::WorkingFolder folder;
    folder.WriteFile("nastaveni.zrk", "hudba \xE8.ogg\r\n0\r\nCZ\r\nignored\r\n");
    ui::SettingsLines lines;
    EXPECT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.MenuMusic(), "hudba č.ogg");
    EXPECT_EQ(lines.GameMusic(), "0");
    EXPECT_EQ(lines.StartLanguage(), "CZ");
    EXPECT_EQ(lines.Count(), 4u);
    EXPECT_EQ(folder.Listing(), std::vector<std::string>{"nastaveni.zrk"}) << "nothing written";
}

TEST(SettingsFile, OddBytesAreKeptForTheMessagesToShow) {
    testsupport::WorkingFolder folder;
    // A NUL byte, a control character and UTF-16 text: read as they are, nothing cut.
    folder.WriteFile("nastaveni.zrk", std::string("0\n0\nC\0Z\x01\n", 9));
    ui::SettingsLines lines;
    ASSERT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.StartLanguage(), std::string("C\0Z\x01", 4));
    folder.WriteFile("nastaveni.zrk", std::string("\xFF\xFE"
                                                  "0\0\n\0",
                                                  6));
    ASSERT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.Count(), 2u);
    // Exactly 4 KB is still a settings file.
    folder.WriteFile("nastaveni.zrk", "0\n0\nEN\n" + std::string(4096 - 7, ' '));
    EXPECT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.StartLanguage(), "EN");
}

} // namespace
} // namespace sixdice::app
