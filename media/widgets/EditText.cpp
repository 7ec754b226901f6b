// Editing a one-line text by characters, with one undo step as one-line boxes have.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/EditText.h"

#include "media/widgets/Utf8.h"

#include <algorithm>

namespace sixdice::media::widgets {

EditText::EditText(EditRules rules) : rules_(std::move(rules)), starts_{0} {}

void EditText::SetText(std::string utf8) {
    text_ = std::move(utf8);
    starts_ = CharacterStarts(text_);
    caret_ = anchor_ = 0;
    canUndo_ = false;
    typingRunEnd_ = -1;
}

int EditText::SelectionStart() const {
    return std::min(caret_, anchor_);
}

int EditText::SelectionEnd() const {
    return std::max(caret_, anchor_);
}

std::string EditText::Slice(int from, int to) const {
    from = std::clamp(from, 0, Length());
    to = std::clamp(to, from, Length());
    return text_.substr(starts_[std::size_t(from)],
                        starts_[std::size_t(to)] - starts_[std::size_t(from)]);
}

std::string EditText::SelectedText() const {
    return Slice(SelectionStart(), SelectionEnd());
}

bool EditText::Takes(const std::string& character) const {
    const char32_t cp = CodePointOf(character);
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
        return false;
    return !rules_.accepts || rules_.accepts(character);
}

void EditText::Remember() {
    undo_ = {text_, caret_, anchor_};
    canUndo_ = true;
}

void EditText::Replace(int from, int to, const std::string& with) {
    const std::size_t a = starts_[std::size_t(from)];
    const std::size_t b = starts_[std::size_t(to)];
    text_.replace(a, b - a, with);
    starts_ = CharacterStarts(text_);
    caret_ = anchor_ = from + CharacterCount(with);
}

bool EditText::InsertTaken(const std::vector<std::string>& characters) {
    const int selected = SelectionEnd() - SelectionStart();
    int room = rules_.maxCharacters > 0 ? rules_.maxCharacters - (Length() - selected)
                                        : static_cast<int>(characters.size());
    std::string taken;
    for (const std::string& c : characters) {
        if (room <= 0)
            break;
        if (Takes(c)) {
            taken += c;
            --room;
        }
    }
    if (taken.empty())
        return false;
    Replace(SelectionStart(), SelectionEnd(), taken);
    return true;
}

bool EditText::Type(std::string_view utf8) {
    const bool continuesRun = typingRunEnd_ == caret_ && !HasSelection();
    const Snapshot before{text_, caret_, anchor_};
    if (!InsertTaken(SplitCharacters(utf8)))
        return false;
    if (!continuesRun) {
        undo_ = before;
        canUndo_ = true;
    }
    typingRunEnd_ = caret_;
    return true;
}

bool EditText::Paste(std::string_view utf8) {
    const std::string_view firstLine = utf8.substr(0, utf8.find_first_of("\r\n"));
    const Snapshot before{text_, caret_, anchor_};
    if (!InsertTaken(SplitCharacters(firstLine)))
        return false;
    undo_ = before;
    canUndo_ = true;
    typingRunEnd_ = -1;
    return true;
}

bool EditText::DeleteSelection() {
    if (!HasSelection())
        return false;
    Remember();
    typingRunEnd_ = -1;
    Replace(SelectionStart(), SelectionEnd(), {});
    return true;
}

bool EditText::Backspace(bool word) {
    if (HasSelection())
        return DeleteSelection();
    if (caret_ == 0)
        return false;
    const int from = word ? PreviousWordStart(caret_) : caret_ - 1;
    Remember();
    typingRunEnd_ = -1;
    Replace(from, caret_, {});
    return true;
}

bool EditText::Delete() {
    if (HasSelection())
        return DeleteSelection();
    if (caret_ == Length())
        return false;
    Remember();
    typingRunEnd_ = -1;
    Replace(caret_, caret_ + 1, {});
    return true;
}

bool EditText::Undo() {
    if (!canUndo_)
        return false;
    Snapshot now{text_, caret_, anchor_};
    text_ = std::move(undo_.text);
    starts_ = CharacterStarts(text_);
    caret_ = undo_.caret;
    anchor_ = undo_.anchor;
    undo_ = std::move(now);
    typingRunEnd_ = -1;
    return true;
}

void EditText::MoveTo(int index, bool extend) {
    caret_ = std::clamp(index, 0, Length());
    if (!extend)
        anchor_ = caret_;
    typingRunEnd_ = -1;
}

void EditText::MoveLeft(bool extend, bool byWord) {
    if (!extend && !byWord && HasSelection())
        return MoveTo(SelectionStart(), false);
    MoveTo(byWord ? PreviousWordStart(caret_) : caret_ - 1, extend);
}

void EditText::MoveRight(bool extend, bool byWord) {
    if (!extend && !byWord && HasSelection())
        return MoveTo(SelectionEnd(), false);
    MoveTo(byWord ? NextWordStart(caret_) : caret_ + 1, extend);
}

void EditText::SelectAll() {
    anchor_ = 0;
    caret_ = Length();
    typingRunEnd_ = -1;
}

bool EditText::IsBreakAt(int index) const {
    return IsWordBreak(CodePointOf(Slice(index, index + 1)));
}

int EditText::PreviousWordStart(int from) const {
    int i = from;
    while (i > 0 && IsBreakAt(i - 1))
        --i;
    while (i > 0 && !IsBreakAt(i - 1))
        --i;
    return i;
}

int EditText::NextWordStart(int from) const {
    int i = from;
    while (i < Length() && !IsBreakAt(i))
        ++i;
    while (i < Length() && IsBreakAt(i))
        ++i;
    return i;
}

void EditText::SelectWordAt(int index) {
    if (Length() == 0)
        return;
    index = std::clamp(index, 0, Length() - 1);
    const bool breakRun = IsBreakAt(index);
    int from = index;
    int to = index + 1;
    while (from > 0 && IsBreakAt(from - 1) == breakRun)
        --from;
    while (to < Length() && IsBreakAt(to) == breakRun)
        ++to;
    anchor_ = from;
    caret_ = to;
    typingRunEnd_ = -1;
}

} // namespace sixdice::media::widgets
