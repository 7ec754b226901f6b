// The setup screen's controls on the widget layer: their places, looks and limits.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SetupControls.h"

#include "media/widgets/Button.h"
#include "media/widgets/TextBox.h"
#include "media/widgets/Utf8.h"
#include "scores/Cp1250.h"

namespace sixdice::ui {
namespace {

using media::widgets::Button;
using media::widgets::TextBox;
using media::widgets::WidgetId;

// Widget ids follow the tab order: the four boxes, then the two buttons.
constexpr WidgetId AddButton = 4;
constexpr WidgetId RemoveButton = 5;
constexpr WidgetId BoxId(int box) {
    return box - 1;
}

constexpr int BoxLeft = 250;
constexpr int BoxTops[SetupControls::BoxCount] = {55, 85, 115, 145};
constexpr media::Size BoxSize{121, 21};
constexpr media::Size ButtonSize{100, 20};
constexpr media::Point AddAt{115, 40};
constexpr media::Point RemoveAt{10, 40};

media::widgets::TextBoxStyle NameBoxStyle() {
    media::widgets::TextBoxStyle style;
    style.font = {media::kMsSansSerif, 8, {0, 0, 0}};
    style.background = {0, 128, 255};
    style.rules.maxCharacters = SetupControls::NameLimit;
    // Names travel to the on-line table in code page 1250: other characters are not taken.
    style.rules.accepts = [](std::string_view character) {
        return scores::IsCp1250Representable(character);
    };
    return style;
}

} // namespace

SetupControls::SetupControls(media::Shell& clipboard) : group_(clipboard) {
    for (int box = 1; box <= BoxCount; ++box) {
        TextBox& name = group_.Add<TextBox>(
            media::Rect{BoxLeft, BoxTops[box - 1], BoxSize.width, BoxSize.height}, NameBoxStyle());
        name.SetVisible(false);
    }
    group_.Add<Button>(media::Rect{AddAt.x, AddAt.y, ButtonSize.width, ButtonSize.height}, "")
        .SetVisible(false);
    group_.Add<Button>(media::Rect{RemoveAt.x, RemoveAt.y, ButtonSize.width, ButtonSize.height}, "")
        .SetVisible(false);
}

void SetupControls::SetCaptions(std::string_view addPlayer, std::string_view removePlayer) {
    group_.Get<Button>(AddButton).SetCaption(std::string(addPlayer));
    group_.Get<Button>(RemoveButton).SetCaption(std::string(removePlayer));
}

std::string SetupControls::AddCaption() const {
    return dynamic_cast<const Button&>(group_.At(AddButton)).Caption();
}

std::string SetupControls::RemoveCaption() const {
    return dynamic_cast<const Button&>(group_.At(RemoveButton)).Caption();
}

void SetupControls::SetName(int box, std::string_view name) {
    group_.Get<TextBox>(BoxId(box)).SetText(std::string(name));
}

std::string SetupControls::Name(int box) const {
    return dynamic_cast<const TextBox&>(group_.At(BoxId(box))).Text();
}

int SetupControls::NameLength(int box) const {
    return media::widgets::CharacterCount(Name(box));
}

void SetupControls::SetBoxVisible(int box, bool visible) {
    group_.At(BoxId(box)).SetVisible(visible);
}

bool SetupControls::BoxVisible(int box) const {
    return group_.At(BoxId(box)).Visible();
}

void SetupControls::FocusBox(int box, std::uint64_t now) {
    group_.SetFocus(BoxId(box), now);
}

int SetupControls::FocusedBox() const {
    const std::optional<WidgetId> focused = group_.Focused();
    return focused && *focused < BoxCount ? *focused + 1 : 0;
}

void SetupControls::SetButtonsVisible(bool visible) {
    group_.At(AddButton).SetVisible(visible);
    group_.At(RemoveButton).SetVisible(visible);
}

bool SetupControls::ButtonsVisible() const {
    return group_.At(AddButton).Visible() && group_.At(RemoveButton).Visible();
}

void SetupControls::SetAddEnabled(bool enabled) {
    group_.At(AddButton).SetEnabled(enabled);
}

bool SetupControls::AddEnabled() const {
    return group_.At(AddButton).Enabled();
}

void SetupControls::SetRemoveEnabled(bool enabled) {
    group_.At(RemoveButton).SetEnabled(enabled);
}

bool SetupControls::RemoveEnabled() const {
    return group_.At(RemoveButton).Enabled();
}

void SetupControls::HideAll() {
    for (WidgetId id = 0; id < group_.Count(); ++id) {
        group_.At(id).SetVisible(false);
    }
    group_.ClearFocus();
}

bool SetupControls::AnyVisible() const {
    for (WidgetId id = 0; id < group_.Count(); ++id) {
        if (group_.At(id).Visible()) {
            return true;
        }
    }
    return false;
}

SetupControls::Outcome SetupControls::HandleEvent(const media::InputEvent& event,
                                                  std::uint64_t now) {
    const media::widgets::GroupResult result = group_.Handle(event, now);
    Outcome outcome;
    outcome.taken = result.onControl;
    outcome.changed = result.repaint;
    outcome.addClicked = result.activated == AddButton;
    outcome.removeClicked = result.activated == RemoveButton;
    if (result.keyReleasedIn && *result.keyReleasedIn < BoxCount) {
        outcome.keyReleasedInBox = *result.keyReleasedIn + 1;
    }
    return outcome;
}

void SetupControls::Paint(media::Canvas& canvas, std::uint64_t now) {
    group_.Paint(canvas, now);
}

std::optional<std::uint64_t> SetupControls::NextBlink(std::uint64_t now) const {
    return group_.NextLookChange(now);
}

bool SetupControls::BlinkDue(std::uint64_t now) const {
    return group_.LookChanged(now);
}

} // namespace sixdice::ui
