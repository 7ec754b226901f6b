// The best result of the game just ended and the highscore screen that shows it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Ranking.h"
#include "ui/Catalogue.h"
#include "ui/TextDrawing.h"
#include "ui/uMain.h"

namespace sixdice::ui {
namespace {

constexpr int NameLinePoints = 12;
constexpr int ValuePoints = 16;
constexpr int LinesCentre = 200;
constexpr int NameLineTop = 120;
constexpr int ValueTop = 160;

} // namespace

void Tmain::ShowHighscore() {
    currentScreen_ = game::Screen::Highscore;
    // Player 1 first, then each later player only when strictly better: ties keep the lower number.
    const scores::BestResult best = scores::BestPlayer(state_);
    highscore_.BestValue = best.value;
    highscore_.BestName = best.name;
    services_.window().SetLayout(media::Layout::Small);
    DrawHighscore();
}

void Tmain::DrawHighscore() {
    DrawImage(catalogue::image::Highscore, 0, 0);
    media::Graphics& graphics = services_.graphics();
    const Language language = currentLanguage_.value_or(Language::English);
    const std::string nameLine = BestPlayerLine(language, highscore_.BestName);
    SetFont(NameLinePoints, colour::White);
    graphics.DrawText(CentredTextX(graphics, LinesCentre, nameLine), NameLineTop, nameLine);
    const std::string value = std::to_string(highscore_.BestValue);
    SetFont(ValuePoints, colour::White);
    graphics.DrawText(CentredTextX(graphics, LinesCentre, value), ValueTop, value);
    Present();
}

} // namespace sixdice::ui
