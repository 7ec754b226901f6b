// The text of a one-line box with its caret and selection, and every edit a player can make.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::media::widgets {

// What a box takes. Control characters (below U+0020, U+007F to U+009F) are never taken.
struct EditRules {
    // Longest text in characters (not bytes); 0 = no limit.
    int maxCharacters = 0;
    // Called with one character as UTF-8; false refuses it. Empty: every character is taken.
    std::function<bool(std::string_view character)> accepts;
};

// Positions are character indices 0..Length(). The selection runs between the anchor and the
// caret; it is empty when they are equal. Refused characters are left out silently: the rest of
// a typed or pasted text still goes in, up to the room the limit leaves. When nothing of an input
// can go in, the text and the selection stay as they were.
class EditText {
public:
    explicit EditText(EditRules rules = {});

    const std::string& Text() const { return text_; }
    // Sets the text as given (the program's own texts are not filtered): caret at the start,
    // nothing selected, the undo step forgotten.
    void SetText(std::string utf8);
    int Length() const { return static_cast<int>(starts_.size()) - 1; }

    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }
    bool HasSelection() const { return caret_ != anchor_; }
    int SelectionStart() const;
    int SelectionEnd() const;
    std::string SelectedText() const;
    // Characters [from, to) as UTF-8.
    std::string Slice(int from, int to) const;

    // Edits; each returns true when the text changed.
    // Typed text replaces the selection. A run of typing is one undo step.
    bool Type(std::string_view utf8);
    // Pasted text replaces the selection; only its first line is taken, as in any one-line box.
    bool Paste(std::string_view utf8);
    // Removes the selection, else the character (with `word`, the word) before the caret.
    bool Backspace(bool word = false);
    // Removes the selection, else the character after the caret.
    bool Delete();
    // Removes the selection (the cut of Ctrl+X).
    bool DeleteSelection();
    // Takes back the last edit; a second undo brings it back again.
    bool Undo();

    // Caret movement; with `extend` the selection grows or shrinks from the anchor. Without it a
    // selection collapses: Left to its start, Right to its end.
    void MoveTo(int index, bool extend);
    void MoveLeft(bool extend, bool byWord);
    void MoveRight(bool extend, bool byWord);
    void MoveHome(bool extend) { MoveTo(0, extend); }
    void MoveEnd(bool extend) { MoveTo(Length(), extend); }
    void SelectAll();
    // Selects the word (or the run of spaces) that holds the character at `index`.
    void SelectWordAt(int index);

private:
    struct Snapshot {
        std::string text;
        int caret = 0;
        int anchor = 0;
    };

    bool Takes(const std::string& character) const;
    // Replaces the selection with what of `characters` the rules take; false when none went in.
    bool InsertTaken(const std::vector<std::string>& characters);
    void Replace(int from, int to, const std::string& with);
    void Remember();
    bool IsBreakAt(int index) const;
    int PreviousWordStart(int from) const;
    int NextWordStart(int from) const;

    EditRules rules_;
    std::string text_;
    std::vector<std::size_t> starts_; // byte offset of every character, then the text's size
    int caret_ = 0;
    int anchor_ = 0;
    Snapshot undo_;
    bool canUndo_ = false;
    int typingRunEnd_ = -1; // caret after the last typed text while a run of typing goes on
};

} // namespace sixdice::media::widgets
