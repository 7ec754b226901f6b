// The player setup screen's controls over the surface: four name boxes and the two player-count
// buttons, in tab order EPlayer1..EPlayer4, BPlus, BMinus.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/Events.h"
#include "media/Shell.h"
#include "media/widgets/WidgetGroup.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sixdice::ui {

class SetupControls {
public:
    static constexpr int BoxCount = 4;
    static constexpr int NameLimit = 10; // characters, not bytes

    explicit SetupControls(media::Shell& clipboard);

    void SetCaptions(std::string_view addPlayer, std::string_view removePlayer);
    std::string AddCaption() const;
    std::string RemoveCaption() const;

    // Name box 1..4.
    void SetName(int box, std::string_view name);
    std::string Name(int box) const;
    int NameLength(int box) const; // in characters
    void SetBoxVisible(int box, bool visible);
    bool BoxVisible(int box) const;
    // The program gives a box the focus (its text is then selected, as after Tab).
    void FocusBox(int box, std::uint64_t now);
    // The name box with the keyboard focus (0 when a button or nothing has it).
    int FocusedBox() const;

    void SetButtonsVisible(bool visible);
    bool ButtonsVisible() const;
    void SetAddEnabled(bool enabled);
    bool AddEnabled() const;
    void SetRemoveEnabled(bool enabled);
    bool RemoveEnabled() const;

    // Hides the two buttons and the four boxes (their texts stay).
    void HideAll();
    bool AnyVisible() const;

    // What an event did to the controls.
    struct Outcome {
        bool taken = false;         // the event belongs to the controls, not to the surface
        bool changed = false;       // their look changed: present again
        bool addClicked = false;    // BPlus was activated
        bool removeClicked = false; // BMinus was activated
        int keyReleasedInBox = 0;   // 1..4: a key went up while that box had the focus
    };
    // Mouse events by position (and the press being held), keys and text by focus, the window's
    // focus changes.
    Outcome HandleEvent(const media::InputEvent& event, std::uint64_t now);

    // Draws the visible controls (called while presenting, over a copy of the surface).
    void Paint(media::Canvas& canvas, std::uint64_t now);
    // When the caret blinks next (none while nothing blinks), and whether it has since the last
    // painting.
    std::optional<std::uint64_t> NextBlink(std::uint64_t now) const;
    bool BlinkDue(std::uint64_t now) const;

private:
    media::widgets::WidgetGroup group_;
};

} // namespace sixdice::ui
