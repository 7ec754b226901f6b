// Close requests, the farewell when the program really ends, and the end the system asks for.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Catalogue.h"
#include "ui/uMain.h"

namespace sixdice::ui {

bool Tmain::FormCloseQuery() {
    const bool mayClose = closeAllowed_;
    if (currentScreen_ == game::Screen::Game) {
        // The game is abandoned; its sheets stay until the next game, and game music that is
        // still playing goes on when the menu has none of its own.
        PlaySound(catalogue::sound::Confirm, false);
        closeAllowed_ = true;
        currentScreen_ = game::Screen::Menu;
        services_.window().SetLayout(media::Layout::Small);
        DrawImage(catalogue::image::Menu, 0, 0);
        Present();
        StartMusic(settings_.MenuMusic());
    }
    if (currentScreen_ == game::Screen::GameEnd) {
        // Unlike a click, this way leaves the already-sent flag as it was and plays no sound.
        ShowHighscore();
    }
    return mayClose;
}

void Tmain::FormClose() {
    StopMusicForGood();
    HidePointer();
    DrawImage(catalogue::image::ExitPicture, 0, 0);
    Present();
    PlaySound(catalogue::sound::Farewell, true);
    ShowPointer();
    closed_ = true;
}

void Tmain::Terminate() {
    StopMusicForGood();
    closed_ = true;
}

void Tmain::StopMusicForGood() {
    if (musicOn_) {
        services_.music().Stop();
        services_.music().Close();
        musicOn_ = false;
        musicTimer_.Disarm();
    }
}

} // namespace sixdice::ui
