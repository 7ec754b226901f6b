// PROVISIONAL: state only, until the widget layer lands.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SetupControls.h"

#include <array>

namespace sixdice::ui {

struct SetupControls::Widgets {
    std::array<std::string, BoxCount> names;
    std::array<bool, BoxCount> boxVisible{};
    bool buttonsVisible = false, addEnabled = true, removeEnabled = false;
    std::string add, remove;
    int focus = 0;
};

SetupControls::SetupControls(media::Shell&) : widgets_(std::make_unique<Widgets>()) {}
SetupControls::~SetupControls() = default;
void SetupControls::SetCaptions(std::string_view a, std::string_view r) {
    widgets_->add = a;
    widgets_->remove = r;
}
std::string SetupControls::AddCaption() const {
    return widgets_->add;
}
std::string SetupControls::RemoveCaption() const {
    return widgets_->remove;
}
void SetupControls::SetName(int box, std::string_view name) {
    widgets_->names[box - 1] = name;
}
std::string SetupControls::Name(int box) const {
    return widgets_->names[box - 1];
}
int SetupControls::NameLength(int box) const {
    int n = 0;
    for (char c : widgets_->names[box - 1])
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}
void SetupControls::SetBoxVisible(int box, bool v) {
    widgets_->boxVisible[box - 1] = v;
}
bool SetupControls::BoxVisible(int box) const {
    return widgets_->boxVisible[box - 1];
}
void SetupControls::FocusBox(int box) {
    widgets_->focus = box;
}
int SetupControls::FocusedBox() const {
    return widgets_->focus;
}
void SetupControls::SetButtonsVisible(bool v) {
    widgets_->buttonsVisible = v;
}
bool SetupControls::ButtonsVisible() const {
    return widgets_->buttonsVisible;
}
void SetupControls::SetAddEnabled(bool e) {
    widgets_->addEnabled = e;
}
bool SetupControls::AddEnabled() const {
    return widgets_->addEnabled;
}
void SetupControls::SetRemoveEnabled(bool e) {
    widgets_->removeEnabled = e;
}
bool SetupControls::RemoveEnabled() const {
    return widgets_->removeEnabled;
}
void SetupControls::HideAll() {
    widgets_->buttonsVisible = false;
    widgets_->boxVisible = {};
    widgets_->focus = 0;
}
bool SetupControls::AnyVisible() const {
    for (bool v : widgets_->boxVisible)
        if (v)
            return true;
    return widgets_->buttonsVisible;
}
SetupControls::Outcome SetupControls::HandleEvent(const media::InputEvent&, std::uint64_t) {
    return {};
}
bool SetupControls::Covers(int, int) const {
    return false;
}
void SetupControls::Paint(media::Canvas&, std::uint64_t) const {}
std::optional<std::uint64_t> SetupControls::NextBlink(std::uint64_t) const {
    return std::nullopt;
}

} // namespace sixdice::ui
