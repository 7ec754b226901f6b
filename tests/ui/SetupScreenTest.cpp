// The player setup screen's controls driven by events: the two buttons, the boxes' visibility,
// default names and focus, typing and its sound, and clicks that belong to the controls.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sixdice::ui {
namespace {

using game::Language;
using game::Screen;
using ::testing::ElementsAre;
using testsupport::ScreenSession;

constexpr int AddX = 165, AddY = 50;      // BPlus at (115, 40), 100 x 20
constexpr int RemoveX = 60, RemoveY = 50; // BMinus at (10, 40)
constexpr int BoxX = 310;
int BoxY(int box) {
    return 55 + 30 * (box - 1) + 10;
}

class SetupScreen : public ::testing::Test {
protected:
    void SetUp() override { folder_.WriteCompleteSet(""); }
    std::vector<std::string> Sounds(ScreenSession& s) { return s.log().Matching("PlaySound"); }
    testsupport::WorkingFolder folder_;
};

TEST_F(SetupScreen, AddingThreeAndRemovingOneLeavesBoxFourHiddenWithItsDefaultName) {
    for (const Language language : {Language::Czech, Language::English}) {
        ScreenSession s(language);
        s.ToSetup();
        s.log().Clear();
        s.Click(AddX, AddY);
        s.Click(AddX, AddY);
        s.Click(AddX, AddY);
        const SetupControls& c = s.tmain().Setup();
        EXPECT_EQ(s.tmain().State().PlayerCount, 4);
        EXPECT_FALSE(c.AddEnabled()) << "no fifth player";
        EXPECT_TRUE(c.RemoveEnabled());
        EXPECT_EQ(c.FocusedBox(), 4) << "focus goes to the last visible box";
        s.tmain().Setup().SetName(4, "Typed");
        s.Click(RemoveX, RemoveY);
        EXPECT_EQ(s.tmain().State().PlayerCount, 3);
        EXPECT_FALSE(c.BoxVisible(4));
        EXPECT_EQ(c.Name(4), language == Language::Czech ? "hráč 4" : "Player 4");
        EXPECT_EQ(c.FocusedBox(), 3);
        EXPECT_TRUE(c.AddEnabled());
        EXPECT_THAT(Sounds(s),
                    ElementsAre("PlaySound 9", "PlaySound 9", "PlaySound 9", "PlaySound 10"))
            << "no hover sound over controls, no click on the surface";
        EXPECT_EQ(s.tmain().CurrentScreen(), Screen::PlayerSetup);
    }
}

TEST_F(SetupScreen, ADisabledButtonDoesNothingAndItsClickIsNotTheSurfaces) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.log().Clear();
    s.Click(RemoveX, RemoveY); // BMinus is disabled with one player
    EXPECT_EQ(s.tmain().State().PlayerCount, 1);
    EXPECT_TRUE(Sounds(s).empty()) << s.log().Text();
}

TEST_F(SetupScreen, TypingPlaysTheClickUntilTheTenthCharacter) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.Click(BoxX, BoxY(1));
    s.Key(media::Key::A, {.ctrl = true});
    s.Key(media::Key::Delete);
    s.log().Clear();
    for (const char* c : {"Ž", "o", "f", "i", "e", " ", "N", "o", "v"}) {
        s.Type(c);
    }
    EXPECT_EQ(s.log().Count("PlaySound 13"), 9) << "each release with fewer than 10 characters";
    s.log().Clear();
    s.Type("á"); // the tenth character: its release finds ten
    s.Type("x"); // refused: the box is full
    s.Key(media::Key::Left);
    EXPECT_EQ(s.log().Count("PlaySound 13"), 0) << s.log().Text();
    EXPECT_EQ(s.tmain().Setup().Name(1), "Žofie Nová");
    s.Key(media::Key::Backspace);
    EXPECT_EQ(s.log().Count("PlaySound 13"), 1) << "a release that leaves nine characters clicks";
}

TEST_F(SetupScreen, OnlyCharactersOfTheNamesCodePageAreTaken) {
    ScreenSession s(Language::English);
    s.ToSetup();
    s.Click(BoxX, BoxY(1));
    s.Key(media::Key::A, {.ctrl = true});
    for (const char* c : {"Ř", "Ω", "ů", "😀", "€", "ß"}) {
        s.Type(c);
    }
    EXPECT_EQ(s.tmain().Setup().Name(1), "Řů€ß");
}

TEST_F(SetupScreen, PastingAndCuttingUseTheDesktopClipboard) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.services().shell().SetClipboardText("Bohumila Veselá");
    s.Click(BoxX, BoxY(1));
    s.Key(media::Key::A, {.ctrl = true});
    s.Key(media::Key::V, {.ctrl = true});
    EXPECT_EQ(s.tmain().Setup().Name(1), "Bohumila V") << "cut at ten characters";
    s.Key(media::Key::Home, {.shift = false});
    s.Key(media::Key::End, {.shift = true});
    s.Key(media::Key::X, {.ctrl = true});
    EXPECT_EQ(s.tmain().Setup().Name(1), "");
    EXPECT_EQ(s.services().shell().ClipboardText(), "Bohumila V");
}

TEST_F(SetupScreen, TabWalksTheVisibleControlsAndSpaceActivatesAButton) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    ASSERT_EQ(s.tmain().Setup().FocusedBox(), 1);
    s.Key(media::Key::Tab); // boxes 2..4 are hidden: on to BPlus
    EXPECT_EQ(s.tmain().Setup().FocusedBox(), 0);
    s.log().Clear();
    s.Key(media::Key::Space);
    EXPECT_EQ(s.tmain().State().PlayerCount, 2);
    EXPECT_EQ(s.tmain().Setup().FocusedBox(), 2) << "the visibility update moves the focus";
    s.Key(media::Key::Tab, {.shift = true});
    EXPECT_EQ(s.tmain().Setup().FocusedBox(), 1);
    s.Key(media::Key::Tab);
    s.Key(media::Key::Tab);
    s.Key(media::Key::Tab); // BPlus, then BMinus (now enabled)
    s.Key(media::Key::Return);
    EXPECT_EQ(s.tmain().State().PlayerCount, 1);
    std::vector<std::string> buttons = Sounds(s);
    std::erase(buttons, "PlaySound 13"); // key releases while a box had the focus
    EXPECT_THAT(buttons, ElementsAre("PlaySound 9", "PlaySound 10"));
}

TEST_F(SetupScreen, EveryKeyReleaseInABoxClicksWhileItHoldsFewerThanTenCharacters) {
    ScreenSession s(Language::English);
    s.ToSetup();
    s.log().Clear();
    s.Key(media::Key::Left);
    s.Key(media::Key::Other); // Shift alone, say
    EXPECT_EQ(s.log().Count("PlaySound 13"), 2);
}

TEST_F(SetupScreen, EnteringSetupAgainResetsCountAndNames) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.Click(AddX, AddY);
    s.tmain().Setup().SetName(2, "Ota");
    s.Click(62, 262); // start
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Game);
    s.CloseRequest();
    s.ToSetup();
    EXPECT_EQ(s.tmain().State().PlayerCount, 1);
    EXPECT_EQ(s.tmain().Setup().Name(2), "hráč 2");
    EXPECT_FALSE(s.tmain().Setup().BoxVisible(2));
}

TEST_F(SetupScreen, TheControlsShowInThePresentedFrameButNotOnTheSurface) {
    ScreenSession s(Language::Czech);
    s.ToSetup();
    s.Move(5, 5);
    const media::Picture& frame = s.services().PresentedFrame();
    const media::Picture surface = s.services().graphics().CaptureSurface();
    ASSERT_EQ(frame.width, 400);
    // Inside name box 1: the box's blue in the frame, the setup picture on the surface.
    EXPECT_EQ(frame.at(300, 70), 0x0080FFu);
    EXPECT_NE(surface.at(300, 70), 0x0080FFu);
    // Box 2 is hidden.
    EXPECT_NE(frame.at(300, 100), 0x0080FFu);
}

} // namespace
} // namespace sixdice::ui
