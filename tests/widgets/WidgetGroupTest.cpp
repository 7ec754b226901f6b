// The group: tab order, routing of mouse and keys, button activation, labels and the caret blink.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetTesting.h"
#include "media/widgets/Button.h"
#include "media/widgets/Label.h"
#include "media/widgets/TextBox.h"
#include "media/widgets/WidgetLook.h"

namespace sixdice::media::widgets::testing {
namespace {

// The setup screen's controls: four name boxes, then the add and remove buttons.
class SetupControls : public WidgetTest {
protected:
    SetupControls() {
        for (int i = 0; i < 4; ++i)
            boxes[i] = &group_.Add<TextBox>(Rect{250, 55 + 30 * i, 121, 21}, TextBoxStyle{});
        plus = &group_.Add<Button>(Rect{115, 40, 100, 20}, "přidej hráče >>");
        minus = &group_.Add<Button>(Rect{10, 40, 100, 20}, "<< uber hráče");
    }
    std::vector<WidgetId> TabCycle(bool backwards, int steps) {
        std::vector<WidgetId> order;
        for (int i = 0; i < steps; ++i) {
            EXPECT_TRUE(Send(Down(Key::Tab, backwards ? kShift : Modifiers{})).onControl);
            order.push_back(group_.Focused().value_or(-1));
        }
        return order;
    }

    TextBox* boxes[4] = {};
    Button* plus = nullptr;
    Button* minus = nullptr;
};

TEST_F(SetupControls, TabOrderSkipsHiddenAndDisabledControls) {
    boxes[2]->SetVisible(false);
    boxes[3]->SetVisible(false);
    minus->SetEnabled(false);
    group_.SetFocus(boxes[0]->Id(), now_);
    EXPECT_EQ(TabCycle(false, 4), (std::vector<WidgetId>{1, 4, 0, 1}));
    EXPECT_EQ(TabCycle(true, 3), (std::vector<WidgetId>{0, 4, 1}));

    group_.SetFocus(minus->Id(), now_);
    EXPECT_EQ(group_.Focused(), 1) << "a disabled control cannot take the focus";
    boxes[1]->SetVisible(false);
    EXPECT_EQ(group_.Focused(), std::nullopt) << "a hidden control loses it";
    EXPECT_FALSE(Send(Typed("x")).onControl) << "with no focus, text is not the controls'";
    EXPECT_EQ(TabCycle(false, 1), (std::vector<WidgetId>{0}))
        << "from no focus Tab starts at the top";
}

TEST_F(SetupControls, AButtonIsActivatedByAPressAndReleaseOnIt) {
    GroupResult r = ClickAt(120, 50);
    EXPECT_EQ(r.activated, plus->Id());
    EXPECT_TRUE(r.onControl);
    EXPECT_EQ(group_.Focused(), plus->Id()) << "a pressed button takes the focus";

    Send(Mouse(EventKind::MouseDown, 120, 50));
    EXPECT_TRUE(plus->Pressed());
    r = Send(Mouse(EventKind::MouseMove, 300, 250));
    EXPECT_TRUE(r.onControl) << "the button holds the mouse while pressed";
    EXPECT_FALSE(plus->Pressed()) << "it springs out while the pointer is off it";
    Send(Mouse(EventKind::MouseMove, 121, 51));
    EXPECT_TRUE(plus->Pressed());
    Send(Mouse(EventKind::MouseMove, 300, 250));
    r = Send(Mouse(EventKind::MouseUp, 300, 250));
    EXPECT_FALSE(r.activated) << "released off the button";
    EXPECT_TRUE(r.onControl);
    EXPECT_TRUE(Send(Mouse(EventKind::Click, 300, 250)).onControl)
        << "the click after a press on a control is not the window's";

    r = Send(Mouse(EventKind::MouseDown, 300, 250));
    EXPECT_FALSE(r.onControl);
    r = Send(Mouse(EventKind::MouseMove, 120, 50));
    EXPECT_FALSE(r.onControl) << "a press on the surface keeps the mouse for the window";
    r = Send(Mouse(EventKind::MouseUp, 120, 50));
    EXPECT_FALSE(r.activated);
    EXPECT_FALSE(r.onControl);
    EXPECT_FALSE(Send(Mouse(EventKind::Click, 120, 50)).onControl);
}

TEST_F(SetupControls, SpaceActivatesOnItsReleaseAndReturnAtOnce) {
    group_.SetFocus(plus->Id(), now_);
    GroupResult r = Send(Down(Key::Space));
    EXPECT_FALSE(r.activated);
    EXPECT_TRUE(plus->Pressed());
    EXPECT_FALSE(Send(Typed(" ")).edited) << "a button takes no text";
    r = Send(Up(Key::Space));
    EXPECT_EQ(r.activated, plus->Id());
    EXPECT_FALSE(r.keyReleasedIn) << "key releases are reported for text boxes only";
    EXPECT_EQ(Send(Down(Key::Return)).activated, plus->Id());

    Send(Down(Key::Space));
    Send(Down(Key::Tab));
    EXPECT_FALSE(Send(Up(Key::Space)).activated) << "Space held while the focus left";
}

TEST_F(SetupControls, ADisabledButtonReactsToNothingButStillCoversTheSurface) {
    minus->SetEnabled(false);
    const GroupResult r = ClickAt(20, 50);
    EXPECT_TRUE(r.onControl);
    EXPECT_FALSE(r.activated);
    EXPECT_EQ(group_.Focused(), std::nullopt);
    Paint();
    EXPECT_EQ(PixelAt(14, 50), PixelOf(look::kDisabledFace));
    EXPECT_NE(PixelAt(120, 50), PixelOf(look::kDisabledFace));
    EXPECT_EQ(services_.log().Count("SetFont Arial Black 8 138,122,82"), 1)
        << "the greyed caption\n"
        << services_.log().Text();
}

TEST_F(SetupControls, MouseEventsOverVisibleControlsAreTheControls) {
    EXPECT_EQ(group_.WidgetAt({250, 55}), boxes[0]->Id());
    EXPECT_EQ(group_.WidgetAt({370, 75}), boxes[0]->Id()) << "the last pixel of 121 x 21";
    EXPECT_EQ(group_.WidgetAt({371, 75}), std::nullopt);
    EXPECT_EQ(group_.WidgetAt({250, 76}), std::nullopt) << "the gap between two boxes";
    EXPECT_TRUE(Send(Mouse(EventKind::MouseMove, 260, 60)).onControl);
    EXPECT_FALSE(Send(Mouse(EventKind::MouseMove, 200, 200)).onControl);
    boxes[0]->SetVisible(false);
    EXPECT_FALSE(Send(Mouse(EventKind::MouseMove, 260, 60)).onControl) << "hidden: not there";
    EXPECT_FALSE(ClickAt(260, 60).onControl);
}

TEST_F(SetupControls, KeyReleasesInATextBoxAreReported) {
    group_.SetFocus(boxes[1]->Id(), now_);
    for (Key key : {Key::Other, Key::Left, Key::Backspace, Key::Tab}) {
        const GroupResult r = Send(Up(key, kShift));
        EXPECT_TRUE(r.onControl);
        EXPECT_EQ(r.keyReleasedIn, boxes[1]->Id());
    }
    group_.ClearFocus();
    EXPECT_FALSE(Send(Up(Key::Other)).keyReleasedIn);
    EXPECT_FALSE(Send(Up(Key::Other)).onControl) << "with no focus the key is the window's";
}

TEST_F(SetupControls, TheCaretBlinksOnADeadlineOnlyInAFocusedTextBox) {
    EXPECT_EQ(group_.NextLookChange(now_), std::nullopt) << "nothing focused: nothing blinks";
    group_.SetFocus(boxes[0]->Id(), 1000);
    EXPECT_EQ(group_.NextLookChange(1000), 1530u);
    EXPECT_EQ(group_.NextLookChange(1529), 1530u);
    EXPECT_EQ(group_.NextLookChange(1530), 2060u);
    now_ = 1200;
    Paint();
    EXPECT_FALSE(group_.LookChanged(1529));
    EXPECT_TRUE(group_.LookChanged(1530));
    now_ = 1700;
    TypeText("a"); // the caret shows at once while typing
    EXPECT_EQ(group_.NextLookChange(now_), 2230u);
    Send(Plain(EventKind::FocusLost));
    EXPECT_EQ(group_.NextLookChange(now_), std::nullopt) << "an inactive window does not blink";
    Send(Plain(EventKind::FocusGained));
    EXPECT_EQ(group_.NextLookChange(now_), now_ + 530);
    group_.SetFocus(plus->Id(), now_);
    EXPECT_EQ(group_.NextLookChange(now_), std::nullopt) << "a button has no caret";
}

TEST_F(WidgetTest, ReturnActivatesTheDefaultButtonAndEscapeIsReported) {
    TextBox& box = group_.Add<TextBox>(Rect{54, 36, 249, 21}, TextBoxStyle{});
    Button& send = group_.Add<Button>(Rect{140, 79, 75, 20}, "Poslat");
    group_.SetDefaultButton(send.Id());
    group_.SetFocus(box.Id(), now_);
    EXPECT_EQ(Send(Down(Key::Return)).activated, send.Id());
    EXPECT_TRUE(Send(Down(Key::Escape)).escape);
    send.SetEnabled(false);
    EXPECT_FALSE(Send(Down(Key::Return)).activated);
}

TEST_F(WidgetTest, LabelsAlignAndWrapTheirText) {
    LabelStyle right;
    right.font = {kArialBlack, 10, {255, 255, 0}};
    right.align = Align::Right;
    group_.Add<Label>(Rect{14, 9, 85, 18}, "Váš e-mail:", right);
    LabelStyle wrapped;
    wrapped.wrap = true;
    wrapped.background = Rgb{0, 64, 0};
    group_.Add<Label>(Rect{0, 100, 60, 60}, "Soubor nelze otevřít", wrapped);
    Paint();
    const std::vector<std::string> lines = services_.log().Matching("DrawText");
    ASSERT_EQ(lines.size(), 4u) << services_.log().Text();
    EXPECT_EQ(lines[0], "DrawText 33 9 Váš e-mail:") << "its right edge stays at x = 99";
    const int lineHeight = 8 * 4 / 3 + 2;
    EXPECT_EQ(lines[1], "DrawText 0 100 Soubor");
    EXPECT_EQ(lines[2], "DrawText 0 " + std::to_string(100 + lineHeight) + " nelze");
    EXPECT_EQ(lines[3], "DrawText 0 " + std::to_string(100 + 2 * lineHeight) + " otevřít");
    EXPECT_EQ(PixelAt(59, 159), 0x004000u);
    EXPECT_TRUE(Send(Mouse(EventKind::MouseDown, 20, 10)).onControl)
        << "a label covers the surface";
}

} // namespace
} // namespace sixdice::media::widgets::testing
