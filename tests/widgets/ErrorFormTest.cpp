// The error box's form: its size from the message and the screen, what dismisses it, its look.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/ErrorForm.h"

#include "WidgetTesting.h"
#include "media/widgets/WidgetLook.h"

namespace sixdice::media::widgets::testing {
namespace {

constexpr Size kScreen{1024, 768};

class ErrorFormTest : public WidgetTest {
protected:
    ErrorForm Make(const std::string& message, Size screen = kScreen) {
        return ErrorForm(message, canvas(), screen, services_.shell());
    }
    // Where the OK button is: centred, 75 x 23, at the bottom.
    static Point OkCentre(const ErrorForm& form) {
        return {form.ClientSize().width / 2, form.ClientSize().height - 10 - 11};
    }
};

TEST_F(ErrorFormTest, AShortMessageGetsASmallBoxAndALongOneWraps) {
    const ErrorForm small = Make("Chyba");
    EXPECT_EQ(small.Lines(), (std::vector<std::string>{"Chyba"}));
    EXPECT_EQ(small.ClientSize().width, 260) << "the smallest box";
    EXPECT_LT(small.ClientSize().height, 120);

    const std::string sentence = "Soubor \"nastaveni.zrk\" nelze otevřít, protože neexistuje. ";
    const ErrorForm long_ = Make(sentence + sentence + sentence + "\nThe file cannot be opened.");
    ASSERT_GE(long_.Lines().size(), 4u);
    int widest = 0;
    for (const std::string& line : long_.Lines()) {
        EXPECT_LE(canvas().TextWidth(line), ErrorForm::kMaxTextWidth) << line;
        widest = std::max(widest, canvas().TextWidth(line));
    }
    EXPECT_GT(widest, ErrorForm::kMaxTextWidth - 10 * kCharWidth) << "lines are filled";
    EXPECT_EQ(long_.Lines().back(), "The file cannot be opened.") << "a line break starts a line";
    EXPECT_EQ(long_.ClientSize().width, 16 + 32 + 14 + widest + 16) << "as wide as its widest line";
}

TEST_F(ErrorFormTest, TheBoxStaysOnASmallScreen) {
    std::string many;
    for (int i = 0; i < 80; ++i)
        many += "řádek " + std::to_string(i) + "\n";
    const Size screen{320, 240};
    const ErrorForm form = Make(many + "konec", screen);
    EXPECT_LE(form.ClientSize().width, screen.width);
    EXPECT_LE(form.ClientSize().height, screen.height);
    EXPECT_LT(form.Lines().size(), 80u) << "the lines that do not fit are left out";
    EXPECT_EQ(form.Lines().front(), "řádek 0");
    EXPECT_EQ(form.Message(), many + "konec") << "the whole message is kept (for the clipboard)";
}

TEST_F(ErrorFormTest, ReturnEscapeSpaceOkAndTheCloseBoxDismissIt) {
    using O = ErrorForm::Outcome;
    EXPECT_EQ(Make("x").Handle(Down(Key::Return), now_), O::Dismissed);
    EXPECT_EQ(Make("x").Handle(Down(Key::Escape), now_), O::Dismissed);
    EXPECT_EQ(Make("x").Handle(Plain(EventKind::CloseRequest), now_), O::Dismissed);

    ErrorForm space = Make("x");
    EXPECT_EQ(space.Handle(Down(Key::Space), now_), O::Repaint) << "OK is pushed in";
    EXPECT_EQ(space.Handle(Up(Key::Space), now_), O::Dismissed);

    ErrorForm mouse = Make("x");
    const Point ok = OkCentre(mouse);
    EXPECT_NE(mouse.Handle(Mouse(EventKind::MouseDown, 5, 5), now_), O::Dismissed);
    EXPECT_NE(mouse.Handle(Mouse(EventKind::MouseUp, 5, 5), now_), O::Dismissed);
    EXPECT_EQ(mouse.Handle(Mouse(EventKind::MouseDown, ok.x, ok.y), now_), O::Repaint);
    EXPECT_EQ(mouse.Handle(Mouse(EventKind::MouseUp, ok.x, ok.y), now_), O::Dismissed);

    ErrorForm other = Make("x");
    EXPECT_NE(other.Handle(Down(Key::Tab), now_), O::Dismissed);
    EXPECT_NE(other.Handle(Typed("a"), now_), O::Dismissed);
    EXPECT_EQ(other.Handle(Down(Key::Return), now_), O::Dismissed)
        << "Tab keeps the focus on OK, the only control";
}

TEST_F(ErrorFormTest, CtrlCCopiesTheMessage) {
    ErrorForm form = Make("Soubor \"zvuky.zrk\" chybí.\nThe file \"zvuky.zrk\" is missing.");
    EXPECT_EQ(form.Handle(Down(Key::C, kCtrl), now_), ErrorForm::Outcome::None);
    EXPECT_EQ(Clipboard(), "Soubor \"zvuky.zrk\" chybí.\nThe file \"zvuky.zrk\" is missing.");
}

TEST_F(ErrorFormTest, PaintsTheFeltTheSignTheLinesAndOk) {
    ErrorForm form = Make("první řádek\ndruhý řádek");
    services_.log().Clear();
    form.Paint(canvas(), now_);
    EXPECT_EQ(PixelAt(2, 2), PixelOf(look::kFelt));
    const std::uint32_t signCentre = PixelAt(16 + 16, 16 + 24);
    EXPECT_GT(signCentre >> 16, 0xB0u) << "the sign is red there";
    EXPECT_LT((signCentre >> 8) & 0xFF, 0x60u);
    EXPECT_EQ(PixelAt(32, 32), 0xFFFFFFu) << "its white cross crosses in the middle";
    const std::vector<std::string> texts = services_.log().Matching("DrawText");
    ASSERT_EQ(texts.size(), 3u) << services_.log().Text();
    EXPECT_TRUE(texts[0].ends_with(" první řádek"));
    EXPECT_TRUE(texts[1].ends_with(" druhý řádek"));
    EXPECT_TRUE(texts[2].ends_with(" OK"));
    EXPECT_EQ(services_.log().Count("SetFont MS Sans Serif 9 246,239,214"), 1);
}

} // namespace
} // namespace sixdice::media::widgets::testing
