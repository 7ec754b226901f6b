// The main window Tmain: owns all program-wide state and answers the window's events.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "game/GameHost.h"
#include "game/GameRules.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "media/Services.h"
#include "ui/LanguageTexts.h"
#include "ui/SettingsLines.h"
#include "ui/Timers.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sixdice::ui {

// The window's handlers are split by concern: uMainSetup.cpp (start-up, language, restore),
// uMainDrawing.cpp (the game screen and its texts), uMainMusic.cpp (music and its restart loop),
// uMainPointer.cpp (pointer movement), uMainShutdown.cpp (close requests and the farewell) and
// uMain.cpp (what the rules ask of the window). Click dispatch and hover join as files of their
// own.
class Tmain final : public game::GameHost {
public:
    Tmain(media::Services& services, SettingsLoader loadSettings, const game::Clock& clock);
    ~Tmain() override;
    Tmain(const Tmain&) = delete;
    Tmain& operator=(const Tmain&) = delete;

    // Start-up: settings, language, image and sound lists, small layout, menu music. A failure
    // that leaves the program unusable (a settings, graphics or sound file that cannot be read, a
    // third settings line that names no language) stops the steps and returns the message text;
    // a music file that cannot be opened is shown at once and start-up goes on without music.
    std::optional<std::string> FormCreate();
    // The surface has been set up or restored: show it with the menu background, whatever the
    // screen.
    void DXDrawRestoreSurface();

    // A pointer movement over the surface: the position is kept for clicks and the hover runs.
    // DXDrawMouseMove presents afterwards; PointerMoved leaves the present to the caller, so the
    // message loop can present once after a burst of movements.
    void DXDrawMouseMove(int x, int y);
    void PointerMoved(int x, int y);

    // The music restart loop, ticked on a 10 ms grid while music is on (ticks that cannot find
    // the piece at its end are slept through).
    void TimerTimer();
    // Starts the music named by a settings line ("0" = none): "hudba/" + the line, open, play.
    void StartMusic(const std::string& settingsLine);

    // A close request: returns whether the window may close now (it may only on the menu); a
    // request during a game abandons it and returns to the menu instead.
    bool FormCloseQuery();
    // The window closes: music off, the farewell picture and sound. Afterwards Closed() is true.
    void FormClose();
    bool Closed() const { return closed_; }

    // The one-second forced-pass timer: it fires only while the window is the active one.
    void WindowActivated(std::uint64_t now);
    void WindowDeactivated();
    // How long the message loop may sleep before a timer is due (none: until the next event).
    std::optional<std::uint64_t> TimeToNextTimer(std::uint64_t now) const;
    // Runs whichever timers are due.
    void RunDueTimers(std::uint64_t now);
    void DXTimerTimer();

    // GameHost: what the rules ask of the window.
    void DrawImage(int image, int x, int y) override;
    void Present() override;
    void PlaySound(int sound, bool waitToEnd) override;
    void DrawGameScreen() override;
    void DrawEndOfGameLine() override;
    game::Screen CurrentScreen() const override { return currentScreen_; }
    void SetCurrentScreen(game::Screen screen) override { currentScreen_ = screen; }
    void ClearHighlight() override { highlightShown_ = false; }
    void HidePointer() override;
    void ShowPointer() override;
    void StartPassTimer() override;
    void StopPassTimer() override;
    void StopMusic() override;

    // Program-wide state, read by the other handlers and by tests.
    const SettingsLines& Settings() const { return settings_; }
    const CurrentLanguageValue& CurrentLanguage() const { return currentLanguage_; }
    game::GameState& State() { return state_; }
    const game::GameState& State() const { return state_; }
    game::GameRules& Rules() { return rules_; }
    bool MusicOn() const { return musicOn_; }
    bool CloseAllowed() const { return closeAllowed_; }
    bool HighlightShown() const { return highlightShown_; }
    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }
    bool PassTimerEnabled() const { return passTimer_.Enabled(); }

    // Switches the image list and caption to `language` (start-up and the menu's flag).
    std::optional<std::string> LoadLanguage(Language language);

private:
    void SetFont(int points, media::Rgb colour);
    std::optional<std::uint64_t> MusicTickDeadline(std::uint64_t now) const;
    void DrawGameTexts();

    media::Services& services_;
    SettingsLoader loadSettings_;
    game::GameState state_;
    game::GameRules rules_;

    SettingsLines settings_; // CBNastaveni
    CurrentLanguageValue currentLanguage_;
    game::Screen currentScreen_ = game::Screen::Menu;
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool highlightShown_ = false;
    bool closeAllowed_ = false;
    bool musicOn_ = false;
    bool closed_ = false;

    PeriodicTimer musicTimer_{10}; // Timer
    OneShotTimer passTimer_{1000}; // DXTimer
};

} // namespace sixdice::ui
