// Drawing the game screen from the game state, and the end-of-game line over it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Ranking.h"
#include "ui/BoardLayout.h"
#include "ui/Catalogue.h"
#include "ui/TextDrawing.h"
#include "ui/uMain.h"

#include <string>

namespace sixdice::ui {

namespace image = catalogue::image;
using namespace board;

void Tmain::SetFont(int points, media::Rgb colour) {
    services_.graphics().SetFont(GameFont, points, colour);
}

void Tmain::DrawGameScreen() {
    const bool gameEnd = currentScreen_ == game::Screen::GameEnd;
    DrawImage(image::Board, 0, 0);
    for (int die = 1; die <= game::DiceCount; ++die) {
        const int face = state_.Die(die);
        if (face >= 1 && face <= 6) {
            DrawImage(image::DieFace(face), DieX(die), 0);
        }
    }
    for (int die = 1; die <= game::DiceCount; ++die) {
        DrawImage(state_.Held(die) ? image::HeldMarker : image::NotHeldMarker, MarkerX(die),
                  MarkerY);
    }
    for (int p = 1; p <= state_.PlayerCount; ++p) {
        const bool marked = gameEnd || p == state_.CurrentPlayer;
        DrawImage(marked ? image::PlateMarked : image::PlateUnmarked, PlateX(p), HeaderY);
    }
    DrawGameTexts();
}

void Tmain::DrawGameTexts() {
    const bool gameEnd = currentScreen_ == game::Screen::GameEnd;
    media::Graphics& graphics = services_.graphics();
    for (int p = 1; p <= state_.PlayerCount; ++p) {
        const bool marked = gameEnd || p == state_.CurrentPlayer;
        SetFont(NamePoints, marked ? colour::Green : colour::Black);
        graphics.DrawText(NameX(p), HeaderY, state_.Sheet(p).PlayerName());
    }
    // The figures change colour from text to text, so the font is set only when it changes.
    std::optional<media::Rgb> current;
    auto figure = [&](int x, int y, const std::string& text, media::Rgb wanted) {
        if (current != wanted) {
            SetFont(FigurePoints, wanted);
            current = wanted;
        }
        graphics.DrawText(x, y, text);
    };
    for (int p = 1; p <= state_.PlayerCount; ++p) {
        const game::PlayerSheet& sheet = state_.Sheet(p);
        const int x = ColumnX(p);
        const bool onTurn = p == state_.CurrentPlayer;
        for (int cell = 1; cell <= game::CellCount; ++cell) {
            const int offered = state_.Entry(cell);
            if (onTurn && offered > 0) {
                figure(x, CellY(cell), std::to_string(offered), colour::Red);
            } else {
                figure(x, CellY(cell), sheet.Line(game::CellLine(cell)), colour::Black);
            }
        }
        const int throws = sheet.TurnThrows() + sheet.ReserveThrows();
        figure(x, ThrowsY, std::to_string(throws),
               state_.OnReserve && onTurn ? colour::Blue : colour::Black);
        figure(x, TotalY, sheet.Line(game::TotalLine), colour::Black);
    }
}

void Tmain::DrawEndOfGameLine() {
    const Language language = currentLanguage_.value_or(Language::English);
    const std::string line = EndOfGameLine(language, scores::BestPlayer(state_).name);
    media::Graphics& graphics = services_.graphics();
    SetFont(NamePoints, colour::Red);
    OutlinedText(graphics, NamePoints, CentredTextX(graphics, EndLineCentre, line), EndLineTop,
                 line);
}

} // namespace sixdice::ui
