// The text box in its group: keys, clipboard, mouse placement, scrolling and what it paints.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/TextBox.h"

#include "WidgetTesting.h"
#include "media/widgets/Button.h"
#include "media/widgets/WidgetLook.h"
#include "scores/Cp1250.h"

namespace sixdice::media::widgets::testing {
namespace {

constexpr Rgb kNameBlue{0, 128, 255};

class TextBoxTest : public WidgetTest {
protected:
    // A name box of the setup screen at (250, 55): its text starts at x = 253.
    TextBox& AddNameBox(const std::string& text) {
        TextBoxStyle style;
        style.background = kNameBlue;
        style.rules = {10, [](std::string_view c) { return scores::IsCp1250Representable(c); }};
        TextBox& box = group_.Add<TextBox>(Rect{250, 55, 121, 21}, style);
        box.SetText(text);
        return box;
    }
    static constexpr int kTextX = 253;
};

TEST_F(TextBoxTest, ClipboardKeysWorkOnTheSelection) {
    TextBox& box = AddNameBox("hráč 1");
    group_.SetFocus(box.Id(), now_);
    EXPECT_EQ(box.Editor().SelectedText(), "hráč 1") << "focus from the program selects all";
    Send(Down(Key::C, kCtrl));
    EXPECT_EQ(Clipboard(), "hráč 1");

    Send(Down(Key::End));
    Send(Down(Key::Left, kShift));
    Send(Down(Key::Left, kShift));
    GroupResult r = Send(Down(Key::X, kCtrl));
    EXPECT_EQ(Clipboard(), " 1");
    EXPECT_EQ(box.Text(), "hráč");
    EXPECT_EQ(r.edited, box.Id());

    services_.shell().SetClipboardText("ka Eva\nsecond line");
    Send(Down(Key::V, kCtrl));
    EXPECT_EQ(box.Text(), "hráčka Eva") << "pasted up to the ten characters";
    Send(Down(Key::Z, kCtrl));
    EXPECT_EQ(box.Text(), "hráč");

    Send(Down(Key::A, kCtrl));
    Send(Down(Key::Insert, kCtrl));
    EXPECT_EQ(Clipboard(), "hráč") << "Ctrl+Insert copies";
    Send(Down(Key::Delete, kShift));
    EXPECT_EQ(box.Text(), "") << "Shift+Delete cuts";
    Send(Down(Key::Insert, kShift));
    EXPECT_EQ(box.Text(), "hráč") << "Shift+Insert pastes";
    Send(Down(Key::C, kCtrl));
    EXPECT_EQ(Clipboard(), "hráč") << "a copy without a selection leaves the clipboard alone";
    Send(Down(Key::Home));
    Send(Down(Key::Delete));
    EXPECT_EQ(box.Text(), "ráč");
    Send(Down(Key::Backspace));
    EXPECT_EQ(box.Text(), "ráč") << "nothing before the caret";
}

TEST_F(TextBoxTest, TypedTextIsFilteredAndReported) {
    TextBox& box = AddNameBox("");
    group_.SetFocus(box.Id(), now_);
    GroupResult r = Send(Typed("Jiří"));
    EXPECT_TRUE(r.onControl);
    EXPECT_EQ(r.edited, box.Id());
    r = Send(Typed("ж"));
    EXPECT_FALSE(r.edited) << "a refused character changes nothing";
    TypeText("ô");
    EXPECT_EQ(box.Text(), "Jiříô") << "composed characters arrive whole";
}

TEST_F(TextBoxTest, MousePlacesTheCaretAndDragSelects) {
    TextBox& box = AddNameBox("hráč 1");
    Paint(); // the box measures its text when drawn
    GroupResult r = Send(Mouse(EventKind::MouseDown, kTextX + 2 * kCharWidth + 2, 60));
    EXPECT_TRUE(r.onControl);
    EXPECT_EQ(group_.Focused(), box.Id());
    EXPECT_FALSE(box.Editor().HasSelection()) << "a press places the caret, it does not select all";
    EXPECT_EQ(box.Editor().Caret(), 2);
    Send(Mouse(EventKind::MouseMove, kTextX + 4 * kCharWidth + 4, 60));
    Send(Mouse(EventKind::MouseMove, 500, 200));
    EXPECT_EQ(box.Editor().Caret(), 6) << "dragging past the right edge reaches the end";
    Send(Mouse(EventKind::MouseMove, kTextX + 4 * kCharWidth + 4, 60));
    r = Send(Mouse(EventKind::MouseUp, kTextX + 4 * kCharWidth + 4, 60));
    EXPECT_TRUE(r.onControl);
    EXPECT_EQ(box.Editor().SelectedText(), "áč ");
    Send(Mouse(EventKind::MouseMove, kTextX, 60));
    EXPECT_EQ(box.Editor().SelectedText(), "áč ") << "moving after the release selects nothing";

    Send(Mouse(EventKind::MouseDown, kTextX, 60, 1, kShift));
    EXPECT_EQ(box.Editor().SelectedText(), "hr") << "Shift+press extends from the anchor";
    Send(Mouse(EventKind::MouseUp, kTextX, 60));

    Send(Mouse(EventKind::MouseDown, kTextX + 5 * kCharWidth + 5, 60, 2));
    EXPECT_EQ(box.Editor().SelectedText(), "1") << "a double click selects the word under it";
    Send(Mouse(EventKind::MouseDown, kTextX + 3 * kCharWidth + 5, 60, 2));
    EXPECT_EQ(box.Editor().SelectedText(), "hráč") << "the right half of a last letter counts";
}

TEST_F(TextBoxTest, TabSelectsTheTextAndTheMouseDoesNot) {
    TextBox& first = AddNameBox("hráč 1");
    TextBox& second = AddNameBox("hráč 2");
    second.SetBounds({250, 85, 121, 21});
    Paint();
    ClickAt(kTextX + 1, 60);
    EXPECT_FALSE(first.Editor().HasSelection());
    Send(Down(Key::Tab));
    EXPECT_EQ(group_.Focused(), second.Id());
    EXPECT_EQ(second.Editor().SelectedText(), "hráč 2");
    TypeText("Petr");
    EXPECT_EQ(second.Text(), "Petr") << "typing replaces the selected default name";
}

TEST_F(TextBoxTest, ALongTextScrollsToKeepTheCaretInView) {
    TextBoxStyle style;
    style.font = {kMsSansSerifBold, 8, {255, 255, 0}};
    style.background = {0, 64, 0};
    TextBox& box = group_.Add<TextBox>(Rect{54, 36, 249, 21}, style);
    group_.SetFocus(box.Id(), now_);
    const std::string address = "velmi.dlouha.adresa.hrace@nejaka-vzdalena-domena.example.org";
    TypeText(address); // 60 characters, 360 pixels in a 243-pixel area
    Paint();
    EXPECT_EQ(box.ScrollOffset(), 360 - 242) << "the caret sits at the right edge";
    const Rect area{54 + 3, 36 + 2, 243, 17};
    const std::uint32_t yellow = PixelOf({255, 255, 0});
    EXPECT_EQ(PixelAt(area.x + area.width - 1, 45), yellow) << "the caret is drawn at the edge";
    Send(Down(Key::Home));
    Paint();
    EXPECT_EQ(box.ScrollOffset(), 0);
    EXPECT_EQ(PixelAt(area.x, 45), yellow) << "the caret at the start";
    Send(Down(Key::End));
    Paint();
    Send(Down(Key::A, kCtrl));
    Send(Down(Key::Delete));
    Paint();
    EXPECT_EQ(box.ScrollOffset(), 0) << "an emptied box shows from its start";
    EXPECT_GE(services_.log().Count("SetFont MS Sans Serif Bold 8 255,255,0"), 1);
}

TEST_F(TextBoxTest, SelectionAndCaretShowOnlyWhileFocused) {
    TextBox& box = AddNameBox("hráč 1");
    Button& button = group_.Add<Button>(Rect{115, 40, 100, 20}, "přidej hráče >>");
    group_.SetFocus(box.Id(), now_);
    Paint();
    const int y = 65;
    EXPECT_EQ(PixelAt(kTextX + 10, y), PixelOf(look::kSelection));
    EXPECT_EQ(PixelAt(kTextX + 6 * kCharWidth + 5, y), PixelOf(kNameBlue)) << "after the text";
    EXPECT_EQ(PixelAt(250, 55), PixelOf(look::kGoldShadow)) << "the sunken frame's outer corner";

    group_.SetFocus(button.Id(), now_);
    Paint();
    EXPECT_EQ(PixelAt(kTextX + 10, y), PixelOf(kNameBlue)) << "no selection without the focus";

    group_.SetFocus(box.Id(), now_);
    Send(Down(Key::End));
    Paint();
    const int caretX = kTextX + 6 * kCharWidth;
    EXPECT_EQ(PixelAt(caretX, y), 0x000000u) << "the black caret after the text";
    now_ += WidgetGroup::kCaretBlinkMs;
    Paint();
    EXPECT_EQ(PixelAt(caretX, y), PixelOf(kNameBlue)) << "and off in the next phase";
}

} // namespace
} // namespace sixdice::media::widgets::testing
