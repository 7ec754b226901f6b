// Editing rules of a one-line box: the limit in characters, refused characters, paste, selection,
// caret movement and undo.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/EditText.h"

#include "media/widgets/Utf8.h"
#include "scores/Cp1250.h"

#include <gtest/gtest.h>

namespace sixdice::media::widgets {
namespace {

// A player's name box: ten characters, only what code page 1250 can hold.
EditText NameBox(const std::string& text = {}) {
    EditText e({10, [](std::string_view c) { return scores::IsCp1250Representable(c); }});
    e.SetText(text);
    e.MoveEnd(false);
    return e;
}

TEST(EditText, TheLimitCountsCharactersNotBytes) {
    EditText e = NameBox();
    EXPECT_TRUE(e.Type("Žluťoučký"));
    EXPECT_TRUE(e.Type("ů")) << "the tenth character, though the text already has 15 bytes";
    EXPECT_EQ(e.Text(), "Žluťoučkýů");
    EXPECT_EQ(e.Length(), 10);
    EXPECT_FALSE(e.Type("x")) << "an eleventh character is refused";
    EXPECT_FALSE(e.Type("č"));
    EXPECT_EQ(e.Text(), "Žluťoučkýů");
    EXPECT_EQ(e.Caret(), 10);
}

TEST(EditText, RefusedCharactersAreLeftOutAndTheRestGoesIn) {
    EditText e = NameBox("Eva");
    EXPECT_TRUE(e.Type("жa€")) << "Cyrillic is not in code page 1250, the euro sign is";
    EXPECT_EQ(e.Text(), "Evaa€");
    e.SelectAll();
    EXPECT_FALSE(e.Type("жё")) << "nothing of it can go in";
    EXPECT_EQ(e.Text(), "Evaa€");
    EXPECT_EQ(e.SelectedText(), "Evaa€") << "a refused input leaves the selection alone";
    EXPECT_FALSE(e.Type("\t")) << "control characters never go in";
    EXPECT_FALSE(e.Type("\x7f"));
    EXPECT_TRUE(e.Type(" "));
    EXPECT_EQ(e.Text(), " ") << "a name of one space is a name";
}

TEST(EditText, BrokenUtf8IsNeverInserted) {
    EditText e;
    EXPECT_TRUE(e.Type("a\xC3")); // cut-off sequence
    EXPECT_TRUE(e.Type("\x80"
                       "b")); // stray continuation byte
    EXPECT_TRUE(e.Type("\xC0\xAF"
                       "c"));             // overlong "/"
    EXPECT_FALSE(e.Type("\xED\xA0\x80")); // a surrogate
    EXPECT_EQ(e.Text(), "abc");
    EXPECT_EQ(SplitCharacters("ř\xF4\x90\x80\x80"
                              "😀"),
              (std::vector<std::string>{"ř", "😀"}))
        << "beyond U+10FFFF is dropped, four-byte characters are kept";
}

TEST(EditText, PasteTakesTheFirstLineCutToTheRoomLeft) {
    EditText e = NameBox("hráč 1");
    EXPECT_TRUE(e.Paste("Šťastný den"));
    EXPECT_EQ(e.Text(), "hráč 1Šťas") << "four characters of room were left";
    EXPECT_EQ(e.Caret(), 10);
    EXPECT_FALSE(e.Paste("x")) << "a full box takes nothing";

    e.MoveTo(5, false);
    e.MoveTo(10, true);
    EXPECT_TRUE(e.Paste("2\r\nsecond line"));
    EXPECT_EQ(e.Text(), "hráč 2") << "the selection is replaced, only the first line is taken";

    e.SelectAll();
    EXPECT_TRUE(e.Paste("Ondřej Novák"));
    EXPECT_EQ(e.Text(), "Ondřej Nov") << "the selection's room counts";
    EXPECT_FALSE(e.Paste("")) << "an empty clipboard changes nothing";
}

TEST(EditText, TypingReplacesTheSelectionEvenInAFullBox) {
    EditText e = NameBox("0123456789");
    e.MoveTo(2, false);
    e.MoveTo(5, true);
    EXPECT_EQ(e.SelectedText(), "234");
    EXPECT_TRUE(e.Type("ř"));
    EXPECT_EQ(e.Text(), "01ř56789");
    EXPECT_EQ(e.Caret(), 3);
    EXPECT_FALSE(e.HasSelection());
}

TEST(EditText, CaretMovesAndShiftSelects) {
    EditText e = NameBox("hráč 12");
    e.MoveHome(false);
    e.MoveRight(true, false);
    e.MoveRight(true, false);
    EXPECT_EQ(e.SelectedText(), "hr");
    e.MoveEnd(true);
    EXPECT_EQ(e.SelectedText(), "hráč 12");
    e.MoveLeft(false, false);
    EXPECT_EQ(e.Caret(), 0) << "Left collapses a selection to its start";
    e.MoveEnd(false);
    e.MoveHome(true);
    EXPECT_EQ(e.Anchor(), 7);
    e.MoveRight(false, false);
    EXPECT_EQ(e.Caret(), 7) << "Right collapses it to its end";
    e.MoveLeft(false, true);
    EXPECT_EQ(e.Caret(), 5) << "Ctrl+Left goes to the start of the word";
    e.MoveLeft(false, true);
    EXPECT_EQ(e.Caret(), 0);
    e.MoveRight(false, true);
    EXPECT_EQ(e.Caret(), 5) << "Ctrl+Right goes to the start of the next word";
    e.MoveTo(-3, false);
    EXPECT_EQ(e.Caret(), 0);
    e.MoveTo(99, false);
    EXPECT_EQ(e.Caret(), 7);
}

TEST(EditText, WordsForTheDoubleClickAndCtrlBackspace) {
    EditText e;
    e.SetText("pan  Dvořák");
    e.SelectWordAt(7);
    EXPECT_EQ(e.SelectedText(), "Dvořák");
    e.SelectWordAt(3);
    EXPECT_EQ(e.SelectedText(), "  ") << "on the spaces, the run of spaces";
    e.SelectWordAt(0);
    EXPECT_EQ(e.SelectedText(), "pan");
    e.MoveEnd(false);
    EXPECT_TRUE(e.Backspace(true));
    EXPECT_EQ(e.Text(), "pan  ");
    EXPECT_TRUE(e.Backspace(true));
    EXPECT_EQ(e.Text(), "");
    EXPECT_FALSE(e.Backspace(true));
}

TEST(EditText, BackspaceAndDeleteAtTheEdges) {
    EditText e = NameBox("ab");
    EXPECT_FALSE(e.Delete()) << "nothing after the caret";
    EXPECT_TRUE(e.Backspace());
    EXPECT_EQ(e.Text(), "a");
    e.MoveHome(false);
    EXPECT_FALSE(e.Backspace()) << "nothing before the caret";
    EXPECT_TRUE(e.Delete());
    EXPECT_EQ(e.Text(), "");
    e.SetText("abcd");
    e.MoveTo(1, false);
    e.MoveTo(3, true);
    EXPECT_TRUE(e.Delete());
    EXPECT_EQ(e.Text(), "ad") << "Delete removes the selection only";
}

TEST(EditText, UndoTakesBackARunOfTypingAndRedoesOnASecondUndo) {
    EditText e = NameBox("Eva");
    EXPECT_FALSE(e.Undo()) << "a text set by the program has nothing to undo";
    e.Type("n");
    e.Type("a");
    EXPECT_TRUE(e.Undo());
    EXPECT_EQ(e.Text(), "Eva") << "one run of typing is one step";
    EXPECT_EQ(e.Caret(), 3);
    EXPECT_TRUE(e.Undo());
    EXPECT_EQ(e.Text(), "Evana");
    e.MoveHome(false);
    e.Type("X");
    e.MoveEnd(false);
    e.Type("Y");
    EXPECT_TRUE(e.Undo());
    EXPECT_EQ(e.Text(), "XEvana") << "moving the caret ends a run";
    e.SelectAll();
    e.Delete();
    EXPECT_TRUE(e.Undo());
    EXPECT_EQ(e.Text(), "XEvana");
    EXPECT_EQ(e.SelectedText(), "XEvana") << "the selection comes back with the text";
}

} // namespace
} // namespace sixdice::media::widgets
