// A GameHost for tests: keeps every call the rules make, in order, as short readable texts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameHost.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sixdice::game::testing {

// Calls are kept as: "image N X Y", "present", "sound N" / "sound N wait", "draw game screen",
// "draw end line", "screen hra" (the screen's own name), "clear highlight", "hide pointer",
// "show pointer", "start timer", "stop timer", "stop music".
class RecordingHost : public GameHost {
public:
    std::vector<std::string> calls;
    Screen screen = Screen::Game;
    bool timerRunning = false;
    int pointerHidden = 0; // hide count minus show count
    bool musicOn = false;
    // Runs inside DrawGameScreen, so a test can look at the state the screen is drawn from.
    std::function<void()> onDrawGameScreen;

    void DrawImage(int image, int x, int y) override {
        Record("image " + std::to_string(image) + " " + std::to_string(x) + " " +
               std::to_string(y));
    }
    void Present() override { Record("present"); }
    void PlaySound(int sound, bool waitToEnd) override {
        Record("sound " + std::to_string(sound) + (waitToEnd ? " wait" : ""));
    }
    void DrawGameScreen() override {
        Record("draw game screen");
        if (onDrawGameScreen) {
            onDrawGameScreen();
        }
    }
    void DrawEndOfGameLine() override { Record("draw end line"); }
    Screen CurrentScreen() const override { return screen; }
    void SetCurrentScreen(Screen next) override {
        screen = next;
        Record(std::string("screen ") + ScreenName(next));
    }
    void ClearHighlight() override { Record("clear highlight"); }
    void HidePointer() override {
        ++pointerHidden;
        Record("hide pointer");
    }
    void ShowPointer() override {
        --pointerHidden;
        Record("show pointer");
    }
    void StartPassTimer() override {
        timerRunning = true;
        Record("start timer");
    }
    void StopPassTimer() override {
        timerRunning = false;
        Record("stop timer");
    }
    void StopMusic() override {
        musicOn = false;
        Record("stop music");
    }

    void Clear() { calls.clear(); }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    bool Has(const std::string& call) const { return Count(call) > 0; }

    static const char* ScreenName(Screen s) {
        switch (s) {
        case Screen::Menu:
            return "menu";
        case Screen::PlayerSetup:
            return "výběr hráčů";
        case Screen::Game:
            return "hra";
        case Screen::Wait:
            return "čekej";
        case Screen::GameEnd:
            return "konec hry";
        case Screen::Highscore:
            return "highscore";
        }
        return "?";
    }

private:
    void Record(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace sixdice::game::testing
