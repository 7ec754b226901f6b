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
#include "scores/uEmail.h"
#include "ui/LanguageTexts.h"
#include "ui/ScreenTables.h"
#include "ui/SettingsLines.h"
#include "ui/SetupControls.h"
#include "ui/Timers.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sixdice::ui {

// The window's handlers are split by concern: uMainSetup.cpp (start-up, language, restore),
// uMainClick.cpp (click dispatch and what each area does), uMainHover.cpp (pointer movement and
// the hover marks), uMainPlayers.cpp (the player setup controls), uMainHighscore.cpp (the best
// result and its screen), uMainInput.cpp (which window, control or handler an event goes to),
// uMainDrawing.cpp (the game screen and its texts), uMainMusic.cpp (music and its restart loop),
// uMainShutdown.cpp (close requests and the farewell) and uMain.cpp (what the rules ask of the
// window).
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

    // Every event of the windows goes through here: the e-mail form while it is shown (the main
    // window then takes no input), the setup controls for what lands on them, the surface's
    // handlers for the rest. A pointer movement over the main window is not presented here: the
    // caller presents once after a burst of them (what the player sees is the same).
    void HandleEvent(const media::InputEvent& event);

    // A pointer movement over the surface: the position is kept for clicks, the hover marks run,
    // then the surface is presented.
    void DXDrawMouseMove(int x, int y);

    // A click on the surface: the current screen's areas in the current language, tested against
    // the last pointer position.
    void DXDrawClick();

    // The player setup screen's two buttons and the key releases of its name boxes (1..4).
    void BPlusClick();
    void BMinusClick();
    void EPlayerKeyUp(int box);

    // The best player of the game just ended on the highscore screen (small layout), and its
    // drawing, which also removes a highlight there.
    void ShowHighscore();
    void DrawHighscore();

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
    // The system ends the program (a signal, the session's end): the music stops and the window
    // closes at once, whatever the screen, without the farewell. Afterwards Closed() is true.
    void Terminate();
    bool Closed() const { return closed_; }

    // The one-second forced-pass timer: it fires only while the window is the active one.
    void WindowActivated(std::uint64_t now);
    void WindowDeactivated();
    // How long the message loop may sleep before a timer is due (none: until the next event).
    std::optional<std::uint64_t> TimeToNextTimer(std::uint64_t now) const;
    // Runs whichever timers are due, and shows the carets' blink.
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
    const scores::Highscore& Highscore() const { return highscore_; }
    const SetupControls& Setup() const { return setup_; }
    SetupControls& Setup() { return setup_; }
    const scores::Temail& Email() const { return email_; }
    scores::Temail& Email() { return email_; }

    // Switches the image list and caption to `language` (start-up and the menu's flag).
    std::optional<std::string> LoadLanguage(Language language);

private:
    // Click actions.
    void ClickArea(AreaId area);
    void SwitchLanguage();
    void EnterSetup();
    void LeaveSetup();
    void StartGame();
    void OpenEmailForm();
    void ReturnToMenu();
    void Exit();
    // Hover marks.
    void SurfacePointerMoved(int x, int y);
    void Mark(const ScreenTable& table, const ScreenArea& area);
    void Unmark(const ScreenTable& table);
    // The e-mail form's background from the working folder; a failure is reported and the form
    // goes without it.
    media::Picture LoadEmailPicture();
    // Setup controls: an event for them, and whether they took it.
    bool HandleSetupControls(const media::InputEvent& event, std::uint64_t now);
    void UpdatePlayerBoxes();

    void SetFont(int points, media::Rgb colour);
    std::optional<std::uint64_t> MusicTickDeadline(std::uint64_t now) const;
    void DrawGameTexts();
    // Music off and its device closed, for the end of the program.
    void StopMusicForGood();

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

    SetupControls setup_;         // EPlayer1..EPlayer4, BPlus, BMinus
    scores::Highscore highscore_; // BestValue, BestName, ScoreSent
    scores::Temail email_;        // the on-line submission's e-mail form

    PeriodicTimer musicTimer_{10}; // Timer
    OneShotTimer passTimer_{1000}; // DXTimer
};

} // namespace sixdice::ui
