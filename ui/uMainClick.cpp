// Click dispatch: the screen's table turns the last pointer position into an area, and each area
// has one action.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Submission.h"
#include "ui/Catalogue.h"
#include "ui/Links.h"
#include "ui/uMain.h"

namespace sixdice::ui {

namespace image = catalogue::image;
namespace sound = catalogue::sound;

void Tmain::DXDrawClick() {
    if (!currentLanguage_) {
        return;
    }
    const ScreenTable& table = TableOf(*currentLanguage_, currentScreen_);
    switch (currentScreen_) {
    case game::Screen::Highscore:
        if (const ScreenArea* area = ClickedArea(table, mouseX_, mouseY_)) {
            ClickArea(area->id);
        }
        return;
    case game::Screen::GameEnd:
        // A click anywhere leaves the end of the game for the highscore.
        highscore_.ScoreSent = false;
        PlaySound(sound::EndScreenLeft, false);
        ShowHighscore();
        return;
    case game::Screen::Game:
        // A click on an offered cell writes it; the areas below never overlap the sheet.
        rules_.WriteResult(mouseX_, mouseY_);
        if (const ScreenArea* area = ClickedArea(table, mouseX_, mouseY_)) {
            ClickArea(area->id);
        }
        return;
    case game::Screen::Menu:
    case game::Screen::PlayerSetup:
        // Every area is tested in turn, even after one has acted.
        for (const ScreenArea& area : table.areas) {
            if (area.click.Contains(mouseX_, mouseY_)) {
                ClickArea(area.id);
            }
        }
        return;
    case game::Screen::Wait:
        return;
    }
}

void Tmain::ClickArea(AreaId area) {
    const Language language = *currentLanguage_;
    media::Shell& shell = services_.shell();
    switch (area) {
    case AreaId::LanguageFlag:
        SwitchLanguage();
        return;
    case AreaId::Exit:
        Exit();
        return;
    case AreaId::OnlineTable:
        shell.OpenDocument(scores::OnlineTableAddress(scores::ScoreServerBase()),
                           media::ShowMode::Maximised);
        return;
    case AreaId::Rules:
        PlaySound(sound::Confirm, false);
        shell.OpenDocument(std::string(RulesDocument(language)), media::ShowMode::Maximised);
        return;
    case AreaId::AuthorMail:
        shell.OpenDocument(AuthorMailLink(), media::ShowMode::Normal);
        return;
    case AreaId::NewGame:
        EnterSetup();
        return;
    case AreaId::SetupBack:
        LeaveSetup();
        return;
    case AreaId::SetupStart:
        StartGame();
        return;
    case AreaId::WebLink1:
        PlaySound(sound::Confirm, false);
        shell.OpenDocument(std::string(WebLink1()), media::ShowMode::Maximised);
        return;
    case AreaId::WebLink2:
        PlaySound(sound::Confirm, false);
        shell.OpenDocument(std::string(WebLink2()), media::ShowMode::Maximised);
        return;
    case AreaId::Pass:
        rules_.SkipTurn();
        return;
    case AreaId::Throw:
        rules_.ThrowDice();
        return;
    case AreaId::Die1:
    case AreaId::Die2:
    case AreaId::Die3:
    case AreaId::Die4:
    case AreaId::Die5:
    case AreaId::Die6:
        rules_.ToggleHold(DieOf(area));
        return;
    case AreaId::SendOnline:
        OpenEmailForm();
        return;
    case AreaId::BackToMenu:
        ReturnToMenu();
        return;
    }
}

void Tmain::SwitchLanguage() {
    PlaySound(sound::LanguageSwitched, false);
    // A graphics file that cannot be loaded now is reported and the game stays in its language,
    // with the pictures it has.
    if (auto failure = LoadLanguage(OtherLanguage(*currentLanguage_))) {
        services_.messageBox().ShowError(*failure);
        return;
    }
    DrawImage(image::Menu, 0, 0);
    Present();
}

void Tmain::Exit() {
    PlaySound(sound::Confirm, true);
    if (FormCloseQuery()) {
        FormClose();
    }
}

void Tmain::EnterSetup() {
    const Texts& texts = TextsOf(*currentLanguage_);
    // 1.
    setup_.SetCaptions(texts.addPlayer, texts.removePlayer);
    closeAllowed_ = false;
    state_.PlayerCount = 1;
    // 2.
    setup_.SetButtonsVisible(true);
    setup_.SetRemoveEnabled(false);
    setup_.SetAddEnabled(true);
    setup_.SetBoxVisible(1, true);
    // 3.
    for (int box = 1; box <= SetupControls::BoxCount; ++box) {
        setup_.SetName(box, texts.defaultNames[std::size_t(box - 1)]);
    }
    // 4. The controls stand at their places over the surface (SetupControls keeps them there).
    // 5.
    PlaySound(sound::Confirm, false);
    highlightShown_ = false;
    currentScreen_ = game::Screen::PlayerSetup;
    DrawImage(image::PlayerSetup, 0, 0);
    Present();
    setup_.FocusBox(1, services_.events().Ticks());
}

void Tmain::LeaveSetup() {
    closeAllowed_ = true;
    setup_.HideAll();
    PlaySound(sound::Confirm, false);
    highlightShown_ = false;
    currentScreen_ = game::Screen::Menu;
    DrawImage(image::Menu, 0, 0);
    Present();
}

void Tmain::StartGame() {
    // 1. Every box must hold a name; hidden boxes always hold their default names.
    std::array<std::string, game::MaxPlayers> names;
    for (int box = 1; box <= SetupControls::BoxCount; ++box) {
        names[std::size_t(box - 1)] = setup_.Name(box);
        if (names[std::size_t(box - 1)].empty()) {
            return;
        }
    }
    // 2.
    StopMusic();
    // 3. An abandoned game's last throw leaves offers behind; the previous sheets clear them.
    game::LoadActiveSheet(state_);
    // 4.
    game::NewGame(state_, state_.PlayerCount, names);
    // 5.
    services_.window().SetLayout(media::Layout::Large);
    // 6.
    setup_.HideAll();
    // 7.
    PlaySound(sound::Confirm, false);
    DrawGameScreen();
    currentScreen_ = game::Screen::Game;
    Present();
    highlightShown_ = false;
    // 8. Input waits in the queue while the start sound plays.
    HidePointer();
    PlaySound(sound::GameStarted, true);
    ShowPointer();
    // 9.
    StartMusic(settings_.GameMusic());
}

void Tmain::OpenEmailForm() {
    if (highscore_.ScoreSent) {
        PlaySound(sound::Refusal, false);
        return;
    }
    PlaySound(sound::Confirm, false);
    const Texts& texts = TextsOf(*currentLanguage_);
    email_.ShowModal(texts.sendButton, texts.emailLabel);
}

void Tmain::ReturnToMenu() {
    PlaySound(sound::Confirm, false);
    closeAllowed_ = true;
    currentScreen_ = game::Screen::Menu;
    DrawImage(image::Menu, 0, 0);
    Present();
    StartMusic(settings_.MenuMusic());
}

} // namespace sixdice::ui
