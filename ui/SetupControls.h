// The player setup screen's controls over the surface: four name boxes and the two player-count
// buttons, in tab order EPlayer1..EPlayer4, BPlus, BMinus.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Canvas.h"
#include "media/Events.h"
#include "media/Shell.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sixdice::ui {

class SetupControls {
public:
    static constexpr int BoxCount = 4;
    static constexpr int NameLimit = 10; // characters, not bytes

    explicit SetupControls(media::Shell& clipboard);
    ~SetupControls();
    SetupControls(const SetupControls&) = delete;
    SetupControls& operator=(const SetupControls&) = delete;

    void SetCaptions(std::string_view addPlayer, std::string_view removePlayer);
    std::string AddCaption() const;
    std::string RemoveCaption() const;

    // Name box 1..4.
    void SetName(int box, std::string_view name);
    std::string Name(int box) const;
    int NameLength(int box) const; // in characters
    void SetBoxVisible(int box, bool visible);
    bool BoxVisible(int box) const;
    void FocusBox(int box);
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
    // Mouse events by position (and the one being dragged), keys and text by focus.
    Outcome HandleEvent(const media::InputEvent& event, std::uint64_t now);
    // True when the point lies on a visible control.
    bool Covers(int x, int y) const;

    // Draws the visible controls (called while presenting, over a copy of the surface).
    void Paint(media::Canvas& canvas, std::uint64_t now) const;
    // When the caret blinks next (none while no box has the focus).
    std::optional<std::uint64_t> NextBlink(std::uint64_t now) const;

private:
    struct Widgets;
    std::unique_ptr<Widgets> widgets_;
};

} // namespace sixdice::ui
