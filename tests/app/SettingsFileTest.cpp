// The settings file: code page 1250 lines, line ends, missing and further lines, read failures.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include "tests/ui/support/SyntheticAssets.h"

#include <gtest/gtest.h>

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

TEST(SettingsFile, ReportsFilesThatCannotBeRead) {
    testsupport::WorkingFolder folder;
    ui::SettingsLines lines(std::vector<std::string>{"old"});
    auto missing = LoadSettingsFile("nastaveni.zrk", lines);
    ASSERT_TRUE(missing.has_value());
    EXPECT_NE(missing->find("\"nastaveni.zrk\""), std::string::npos) << *missing;
    EXPECT_NE(missing->find("No such file"), std::string::npos) << *missing;
    EXPECT_EQ(lines.Count(), 0u) << "a failed load leaves no lines behind";

    std::filesystem::create_directory(folder.Path() / "nastaveni.zrk");
    auto directory = LoadSettingsFile("nastaveni.zrk", lines);
    ASSERT_TRUE(directory.has_value()) << "a folder by that name is not a settings file";
    EXPECT_NE(directory->find("nastaveni.zrk"), std::string::npos) << *directory;
}

} // namespace
} // namespace sixdice::app
