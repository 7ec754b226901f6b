// Word wrap of labels and the message box, measured at six pixels per character.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/TextWrap.h"

#include "media/widgets/Utf8.h"

#include <gtest/gtest.h>

namespace sixdice::media::widgets {
namespace {

int SixEach(const std::string& s) {
    return CharacterCount(s) * 6;
}

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksAtSpacesAndDropsThemAtTheBreak) {
    // 60 pixels: ten characters a line.
    EXPECT_EQ(WrapText("Soubor nelze otevřít", 60, SixEach), (Lines{"Soubor", "nelze", "otevřít"}));
    EXPECT_EQ(WrapText("ab cd ef gh", 60, SixEach), (Lines{"ab cd ef", "gh"}));
    EXPECT_EQ(WrapText("ab  cd", 60, SixEach), (Lines{"ab  cd"})) << "spaces inside a line stay";
    EXPECT_EQ(WrapText("  odsazeno", 60, SixEach), (Lines{"  odsazeno"}));
}

TEST(WrapText, KeepsLineBreaksAndEmptyLines) {
    EXPECT_EQ(WrapText("první\r\n\r\ndruhý\nthird\rfourth", 600, SixEach),
              (Lines{"první", "", "druhý", "third", "fourth"}));
    EXPECT_EQ(WrapText("end\n", 600, SixEach), (Lines{"end", ""}));
    EXPECT_TRUE(WrapText("", 600, SixEach).empty());
    EXPECT_EQ(WrapText("a\tb", 600, SixEach), (Lines{"a b"})) << "a tab counts as a space";
}

TEST(WrapText, CutsAWordLongerThanALine) {
    EXPECT_EQ(WrapText("/home/hráč/hudba/menu.ogg je", 60, SixEach),
              (Lines{"/home/hráč", "/hudba/men", "u.ogg je"}));
    EXPECT_EQ(WrapText("ab", 3, SixEach), (Lines{"a", "b"})) << "at least one character a line";
}

} // namespace
} // namespace sixdice::media::widgets
