// The e-mail form over the highscore screen: its window and controls, typing through its own
// events, sending once with Return or the button, cancelling with the close box or Escape.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sixdice::ui {
namespace {

using game::Language;
using ::testing::HasSubstr;
using testsupport::ScreenSession;

media::InputEvent FormEvent(media::EventKind kind) {
    media::InputEvent e;
    e.kind = kind;
    e.window = media::EventWindow::Dialog;
    return e;
}

class EmailForm : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        ::unsetenv("SIXDICE_SCORE_SERVER");
        const auto bmp = media::WriteBmpFile(media::Picture::Filled(356, 117, 0x123456));
        folder_.WriteFile("email.bmp", std::string(bmp.begin(), bmp.end()));
    }
    // Reaches the highscore of a one-player game and opens the form.
    void Open(ScreenSession& s) {
        s.ToHighscore();
        const auto& p = testsupport::PointsOf(s.language());
        s.Click(p.sendX, p.sendY);
        ASSERT_TRUE(s.tmain().Email().Visible());
    }
    void FormKey(ScreenSession& s, media::Key key, media::Modifiers mods = {}) {
        media::InputEvent e = FormEvent(media::EventKind::KeyDown);
        e.key = key;
        e.modifiers = mods;
        s.Handle(e);
        e.kind = media::EventKind::KeyUp;
        s.Handle(e);
    }
    void FormType(ScreenSession& s, const std::string& text) {
        media::InputEvent e = FormEvent(media::EventKind::TextInput);
        e.text = text;
        s.Handle(e);
    }
    void FormClick(ScreenSession& s, int x, int y) {
        for (auto kind : {media::EventKind::MouseMove, media::EventKind::MouseDown,
                          media::EventKind::MouseUp, media::EventKind::Click}) {
            media::InputEvent e = FormEvent(kind);
            e.x = x;
            e.y = y;
            e.button = 1;
            e.clicks = 1;
            s.Handle(e);
        }
    }
    testsupport::WorkingFolder folder_;
};

TEST_F(EmailForm, OpensAsASecondWindowWithThePictureAndTheLanguagesCaptions) {
    for (const Language language : {Language::Czech, Language::English}) {
        ScreenSession s(language);
        s.ToHighscore();
        s.log().Clear();
        const auto& p = testsupport::PointsOf(language);
        s.Click(p.sendX, p.sendY);
        EXPECT_EQ(s.log().Count("Dialog.Open HIGHSCORE on-line 356x117"), 1) << s.log().Text();
        EXPECT_EQ(s.log().Count("Dialog.DrawPicture 0 0 356x117"), 1);
        const bool czech = language == Language::Czech;
        EXPECT_THAT(s.log().Text(), HasSubstr(czech ? "Váš e-mail:" : "Your e-mail:"));
        EXPECT_THAT(s.log().Text(), HasSubstr(czech ? "Poslat" : "Send"));
        EXPECT_EQ(s.log().Lines().back(), "Dialog.Present");
    }
}

TEST_F(EmailForm, TypingGoesToTheBoxAndReturnSendsOnce) {
    ScreenSession s(Language::Czech);
    Open(s);
    FormType(s, "a+b@příklad.cz");
    EXPECT_EQ(s.tmain().Email().EmailText(), "a+b@příklad.cz");
    s.log().Clear();
    FormKey(s, media::Key::Return);
    EXPECT_FALSE(s.tmain().Email().Visible());
    EXPECT_TRUE(s.tmain().Highscore().ScoreSent);
    EXPECT_EQ(s.log().Count("Dialog.Close"), 1);
    const auto opened = s.log().Matching("Shell.Open ");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_THAT(opened[0], HasSubstr("&email=a%2Bb%40p%F8%EDklad.cz&"));
    EXPECT_THAT(opened[0], HasSubstr(" maximised"));
}

TEST_F(EmailForm, TheSendButtonSendsAndTheRandomNumberFollowsTheClock) {
    ScreenSession s(Language::English);
    Open(s);
    s.clock().Set(game::TimeOfDay(13, 14, 15, 161));
    FormClick(s, 177, 89); // the send button at (140, 79), 75 x 20
    const auto opened = s.log().Matching("Shell.Open ");
    ASSERT_EQ(opened.size(), 1u) << s.log().Text();
    game::Random expected(game::TimeOfDay(13, 14, 15, 161));
    EXPECT_THAT(opened[0], HasSubstr("&email=&rand=" + std::to_string(expected.Next(10000)) + "&"))
        << "an empty box sends an empty address";
}

TEST_F(EmailForm, TheCloseBoxAndEscapeCancelWithoutSending) {
    ScreenSession s(Language::Czech);
    Open(s);
    FormType(s, "x@y.cz");
    s.Handle(FormEvent(media::EventKind::CloseRequest));
    EXPECT_FALSE(s.tmain().Email().Visible());
    EXPECT_FALSE(s.tmain().Highscore().ScoreSent);
    EXPECT_EQ(s.log().Count("Shell.Open http"), 0);
    EXPECT_EQ(s.tmain().CurrentScreen(), game::Screen::Highscore) << "the main window stays";
    s.Click(93, 285);
    ASSERT_TRUE(s.tmain().Email().Visible());
    EXPECT_EQ(s.tmain().Email().EmailText(), "") << "emptied at every opening";
    FormKey(s, media::Key::Escape);
    EXPECT_FALSE(s.tmain().Email().Visible());
    EXPECT_FALSE(s.tmain().Highscore().ScoreSent);
}

TEST_F(EmailForm, MainWindowEventsWaitWhileTheFormIsShownButItsMusicLoops) {
    ScreenSession s(Language::Czech);
    Open(s);
    s.log().Clear();
    s.Move(338, 285);
    s.Click(338, 285);
    s.Key(media::Key::Return);
    s.CloseRequest();
    EXPECT_EQ(s.tmain().CurrentScreen(), game::Screen::Highscore);
    EXPECT_TRUE(s.tmain().Email().Visible());
    EXPECT_EQ(s.log().Count("PlaySound"), 0) << s.log().Text();
    EXPECT_EQ(s.log().Count("DrawImage"), 0) << "no hover mark while the form is up";
}

TEST_F(EmailForm, AMissingPictureIsReportedAndTheFormStillWorks) {
    std::filesystem::remove("email.bmp");
    ScreenSession s(Language::English);
    Open(s);
    EXPECT_EQ(s.log().Count("MessageBox"), 1) << s.log().Text();
    EXPECT_THAT(s.log().Text(), HasSubstr("email.bmp"));
    EXPECT_EQ(s.log().Count("Dialog.DrawPicture"), 0);
    EXPECT_EQ(s.log().Count("Dialog.FillRect 0 0 356 117 0,128,0"), 1) << "the form's green";
    FormKey(s, media::Key::Return);
    EXPECT_TRUE(s.tmain().Highscore().ScoreSent);
    s.Click(10, 10);
    EXPECT_EQ(s.log().Count("MessageBox"), 1) << "reported once, not at every opening";
}

TEST_F(EmailForm, APipeInPlaceOfThePictureIsRefusedWithoutWaiting) {
    std::filesystem::remove("email.bmp");
    ASSERT_EQ(::mkfifo("email.bmp", 0600), 0);
    ScreenSession s(Language::Czech);
    Open(s); // would hang for ever if the pipe were opened for reading and waited on
    const auto boxes = s.log().Matching("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_THAT(boxes[0], HasSubstr("email.bmp"));
    EXPECT_THAT(boxes[0], HasSubstr("named pipe"));
    EXPECT_TRUE(s.tmain().Email().Visible());
}

} // namespace
} // namespace sixdice::ui
