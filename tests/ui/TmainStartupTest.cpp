// Start-up of the main window: settings, language, lists, layout, music and the first frame.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/TmainFixture.h"

#include <gmock/gmock.h>

namespace sixdice::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testsupport::TmainTest;

class Startup : public TmainTest {
protected:
    void SetUp() override { folder_.WriteCompleteSet("unused by these tests"); }
};

TEST_F(Startup, EnglishWithoutMusicShowsTheEnglishMenu) {
    Tmain& tmain = StartWindow({"0", "0", "EN"});
    EXPECT_EQ(requestedSettings_, "nastaveni.zrk");
    EXPECT_EQ(tmain.CurrentLanguage(), Language::English);
    EXPECT_EQ(LanguageName(*tmain.CurrentLanguage()), "angličtina");
    EXPECT_EQ(services_.window().Caption(), "Six Dice");
    EXPECT_EQ(services_.window().CurrentLayout(), media::Layout::Small);
    EXPECT_EQ(tmain.CurrentScreen(), game::Screen::Menu);
    EXPECT_TRUE(tmain.CloseAllowed());
    EXPECT_FALSE(tmain.HighlightShown());
    EXPECT_FALSE(tmain.MusicOn());
    EXPECT_EQ(tmain.MouseX(), 0);
    EXPECT_EQ(tmain.MouseY(), 0);
    EXPECT_EQ(Log().Count("Music."), 0) << "settings \"0\" play no music:\n" << Log().Text();
    // The English file was loaded: its board carries the English tint.
    ASSERT_EQ(services_.images().entries.size(), 28u);
    EXPECT_EQ(services_.images().entries[15].picture.at(0, 0),
              0x004000u ^ testsupport::EnglishTint);
}

TEST_F(Startup, StepsRunInTheirOrder) {
    StartWindow({"menu.ogg", "hra.ogg", "CZ"});
    EXPECT_THAT(Log().Lines(),
                ElementsAre("SetImageList 28", "Window.SetCaption Šest kostek", "SetSoundList 14",
                            "Window.SetLayout small", "Music.SetFileName hudba/menu.ogg",
                            "Music.Open hudba/menu.ogg", "Music.Play"));
    EXPECT_TRUE(tmain_->MusicOn());
    EXPECT_EQ(tmain_->CurrentLanguage(), Language::Czech);
    EXPECT_EQ(LanguageName(*tmain_->CurrentLanguage()), "čeština");
    EXPECT_EQ(services_.images().entries[15].picture.at(0, 0), 0x004000u);
}

TEST_F(Startup, FirstRestoreShowsTheMenuBackground) {
    Tmain& tmain = StartWindow({"0", "0", "CZ"});
    const std::size_t mark = Log().Lines().size();
    services_.window().Show();
    services_.events().WaitEvent(0); // the double raises the first restore here
    EXPECT_THAT(LogSince(mark),
                ElementsAre("Window.Show", "Restore", "DrawImage 0 0 0 0", "Present"));
    // A later loss and restore shows the menu background again, whatever the screen.
    tmain.SetCurrentScreen(game::Screen::Game);
    const std::size_t again = Log().Lines().size();
    services_.RaiseRestore();
    EXPECT_THAT(LogSince(again), ElementsAre("Restore", "DrawImage 0 0 0 0", "Present"));
    EXPECT_EQ(tmain.CurrentScreen(), game::Screen::Game) << "the restore changes no state";
}

TEST_F(Startup, FurtherSettingsLinesAreIgnored) {
    Tmain& tmain = StartWindow({"0", "0", "EN", "CZ", "menu.ogg"});
    EXPECT_EQ(tmain.CurrentLanguage(), Language::English);
    EXPECT_EQ(tmain.Settings().Count(), 5u);
    EXPECT_EQ(Log().Count("Music."), 0);
}

TEST_F(Startup, LanguageLineMustBeExactlyCzOrEn) {
    for (const char* line : {"cz", "en", "CZ ", " EN", "", "DE", "Cz"}) {
        Log().Clear();
        UseSettings({"menu.ogg", "0", line});
        Tmain& tmain = CreateWindow();
        auto failure = tmain.FormCreate();
        ASSERT_TRUE(failure.has_value()) << "third line \"" << line << "\" must be refused";
        EXPECT_THAT(*failure, HasSubstr(std::string("\"") + line + "\"")) << *failure;
        EXPECT_THAT(*failure, HasSubstr("\"CZ\"")) << *failure;
        EXPECT_THAT(*failure, HasSubstr("\"EN\"")) << *failure;
        EXPECT_THAT(*failure, HasSubstr("Třetí řádek")) << "Czech half: " << *failure;
        EXPECT_THAT(*failure, HasSubstr("The third line")) << "English half: " << *failure;
        EXPECT_FALSE(tmain.CurrentLanguage().has_value());
        EXPECT_EQ(Log().Count("SetImageList"), 0) << line;
        EXPECT_EQ(Log().Count("Window.SetCaption"), 0) << line;
        EXPECT_EQ(Log().Count("Music."), 0) << "the remaining steps are skipped: " << line;
    }
}

TEST_F(Startup, MissingLinesReadAsEmpty) {
    // Only the language line: the empty first line is not "0", so the music folder itself is
    // tried, which fails; the failure is shown and the game goes on without music.
    services_.FailMusicOpen("hudba/", "hudba/: not a music file");
    Tmain& tmain = StartWindow({"", "", "EN"});
    EXPECT_EQ(Log().Count("Music.Open hudba/"), 1) << Log().Text();
    ASSERT_EQ(Log().Matching("MessageBox ").size(), 1u) << Log().Text();
    EXPECT_THAT(Log().Matching("MessageBox ")[0], HasSubstr("\nhudba/: not a music file"));
    EXPECT_FALSE(tmain.MusicOn());

    UseSettings({"0"}); // the third line is missing altogether
    EXPECT_TRUE(CreateWindow().FormCreate().has_value());
}

TEST_F(Startup, MusicThatCannotBeOpenedIsReportedAndTheGameGoesOn) {
    services_.FailMusicOpen("hudba/menu.ogg", "Unrecognized audio format");
    Tmain& tmain = StartWindow({"menu.ogg", "0", "CZ"});
    EXPECT_FALSE(tmain.MusicOn());
    ASSERT_EQ(Log().Matching("MessageBox ").size(), 1u) << Log().Text();
    EXPECT_THAT(Log().Matching("MessageBox ")[0], HasSubstr("\nUnrecognized audio format"));
    EXPECT_EQ(Log().Count("Music.Play"), 0);
    EXPECT_EQ(tmain.CurrentLanguage(), Language::Czech) << "everything before the music stands";
    // The restart loop then never asks the closed player for anything.
    const std::size_t mark = Log().Lines().size();
    services_.AdvanceClock(5000);
    tmain.RunDueTimers(services_.Now());
    EXPECT_TRUE(LogSince(mark).empty());
}

TEST_F(Startup, MusicPathsUseTheMusicFolder) {
    StartWindow({"sub\\Menu Theme.OGG", "0", "EN"});
    EXPECT_EQ(Log().Count("Music.Open hudba/sub/Menu Theme.OGG"), 1)
        << "name kept as written, backslashes as folder separators:\n"
        << Log().Text();
}

struct FileFailure {
    const char* label;
    const char* removed;
    const char* settings3;
};

TEST_F(Startup, UnreadableListFilesStopStartUp) {
    const FileFailure cases[] = {
        {"Czech graphics missing", "grafika_cz.zrk", "CZ"},
        {"English graphics missing", "grafika_en.zrk", "EN"},
        {"sound file missing", "zvuky.zrk", "CZ"},
    };
    for (const auto& c : cases) {
        folder_.WriteSetWithout("", c.removed);
        Log().Clear();
        UseSettings({"menu.ogg", "0", c.settings3});
        auto failure = CreateWindow().FormCreate();
        ASSERT_TRUE(failure.has_value()) << c.label;
        EXPECT_THAT(*failure, HasSubstr(c.removed)) << c.label << ": " << *failure;
        EXPECT_EQ(Log().Count("Music."), 0) << c.label << ": later steps are skipped";
        EXPECT_EQ(Log().Count("Window.SetLayout"), 0) << c.label;
    }
}

TEST_F(Startup, BrokenAndShortListFilesStopStartUp) {
    folder_.WriteFile("grafika_cz.zrk", "not a list file at all");
    UseSettings({"0", "0", "CZ"});
    auto broken = CreateWindow().FormCreate();
    ASSERT_TRUE(broken.has_value());

    folder_.WriteImageList("grafika_cz.zrk", testsupport::SyntheticImageList(27));
    auto shortImages = CreateWindow().FormCreate();
    ASSERT_TRUE(shortImages.has_value());
    EXPECT_THAT(*shortImages, HasSubstr("27 images")) << *shortImages;

    folder_.WriteImageList("grafika_cz.zrk", testsupport::SyntheticImageList(28));
    folder_.WriteSoundList("zvuky.zrk", testsupport::SyntheticSoundList(13));
    auto shortSounds = CreateWindow().FormCreate();
    ASSERT_TRUE(shortSounds.has_value());
    EXPECT_THAT(*shortSounds, HasSubstr("13 sounds")) << *shortSounds;
}

TEST_F(Startup, SettingsFailureStopsBeforeAnythingElse) {
    FailSettings("Cannot open file \"nastaveni.zrk\". No such file or directory.");
    auto failure = CreateWindow().FormCreate();
    EXPECT_EQ(failure, "Cannot open file \"nastaveni.zrk\". No such file or directory.");
    EXPECT_TRUE(Log().Lines().empty()) << Log().Text();
}

} // namespace
} // namespace sixdice::ui
