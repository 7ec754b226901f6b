// The page's address and the browser's languages: which language and music the game starts with,
// and how they meet the settings file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/PageChoices.h"

#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>

namespace sixdice::platform::web {
namespace {

using ::testing::HasSubstr;

TEST(QueryValue, FindsDecodedValuesWithOrWithoutTheQuestionMark) {
    EXPECT_EQ(QueryValue("?lang=EN&music=0", "music"), "0");
    EXPECT_EQ(QueryValue("lang=EN&music=0", "lang"), "EN");
    EXPECT_EQ(QueryValue("?name=Ji%C5%99%C3%AD+Nov%C3%A1k", "name"), "Jiří Novák");
    EXPECT_EQ(QueryValue("?lang", "lang"), "");
    EXPECT_EQ(QueryValue("?lang=CZ#top", "lang"), "CZ");
    // A broken escape stays as it is rather than swallowing what follows.
    EXPECT_EQ(QueryValue("?x=%4", "x"), "%4");
    EXPECT_EQ(QueryValue("?x=%zz1", "x"), "%zz1");
    EXPECT_EQ(QueryValue("?language=CZ&xlang=EN", "lang"), std::nullopt);
    EXPECT_EQ(QueryValue("", "lang"), std::nullopt);
}

TEST(ChoosePageOptions, TheAddressNamesTheLanguageInAnyCase) {
    EXPECT_EQ(ChoosePageOptions("?lang=CZ", "en-US,en").language, "CZ");
    EXPECT_EQ(ChoosePageOptions("?lang=en", "cs-CZ,cs").language, "EN");
    EXPECT_EQ(ChoosePageOptions("?lang=Cz", "").language, "CZ");
}

TEST(ChoosePageOptions, WithoutAUsableLangTheBrowsersFirstLanguageDecides) {
    EXPECT_EQ(ChoosePageOptions("", "cs").language, "CZ");
    EXPECT_EQ(ChoosePageOptions("", "cs-CZ,en-US").language, "CZ");
    EXPECT_EQ(ChoosePageOptions("", "CS-cz").language, "CZ");
    EXPECT_EQ(ChoosePageOptions("", "en-GB,cs").language, "EN");
    EXPECT_EQ(ChoosePageOptions("", "sk").language, "EN");
    EXPECT_EQ(ChoosePageOptions("", "").language, "EN");
    // "csb" (Kashubian) is not Czech.
    EXPECT_EQ(ChoosePageOptions("", "csb").language, "EN");
    // A language the game does not have is no choice.
    EXPECT_EQ(ChoosePageOptions("?lang=DE", "cs").language, "CZ");
}

TEST(ChoosePageOptions, MusicIsOffOnlyWhenTheAddressSaysSo) {
    EXPECT_FALSE(ChoosePageOptions("", "cs").musicOff);
    EXPECT_TRUE(ChoosePageOptions("?music=0", "cs").musicOff);
    EXPECT_TRUE(ChoosePageOptions("?lang=EN&music=off", "cs").musicOff);
    EXPECT_FALSE(ChoosePageOptions("?music=1", "cs").musicOff);
}

class PageSettings : public ::testing::Test {
protected:
    testsupport::WorkingFolder folder_;
    ui::SettingsLines lines_;
};

TEST_F(PageSettings, ThePagesLanguageAndMusicReplaceTheFilesChoices) {
    folder_.WriteFile("nastaveni.zrk", "menu.ogg\r\nhra.ogg\r\nCZ\r\n");
    EXPECT_EQ(LoadPageSettings("nastaveni.zrk", {"EN", false}, lines_), std::nullopt);
    EXPECT_EQ(lines_.MenuMusic(), "menu.ogg");
    EXPECT_EQ(lines_.GameMusic(), "hra.ogg");
    EXPECT_EQ(lines_.StartLanguage(), "EN");
    EXPECT_EQ(lines_.Source(), "nastaveni.zrk");

    EXPECT_EQ(LoadPageSettings("nastaveni.zrk", {"CZ", true}, lines_), std::nullopt);
    EXPECT_EQ(lines_.MenuMusic(), "0");
    EXPECT_EQ(lines_.GameMusic(), "0");
    EXPECT_EQ(lines_.StartLanguage(), "CZ");
}

TEST_F(PageSettings, AFileOfFewerLinesStillGetsTheLanguage) {
    // Two lines and a third that names no language: refused as on the desktop.
    folder_.WriteFile("nastaveni.zrk", "0\n0\n");
    const auto failure = LoadPageSettings("nastaveni.zrk", {"EN", false}, lines_);
    ASSERT_TRUE(failure.has_value());
    EXPECT_THAT(*failure, HasSubstr("nastaveni.zrk"));
}

TEST_F(PageSettings, TheFilesThirdLineIsStillCheckedAndTheFileStillRead) {
    folder_.WriteFile("nastaveni.zrk", "0\n0\nDE\n");
    auto failure = LoadPageSettings("nastaveni.zrk", {"CZ", false}, lines_);
    ASSERT_TRUE(failure.has_value());
    EXPECT_THAT(*failure, HasSubstr("DE"));

    failure = LoadPageSettings("chybi.zrk", {"CZ", false}, lines_);
    ASSERT_TRUE(failure.has_value());
    EXPECT_THAT(*failure, HasSubstr("chybi.zrk"));
}

} // namespace
} // namespace sixdice::platform::web
