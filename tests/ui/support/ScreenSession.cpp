// The recording-double session of the screen tests.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ScreenSession.h"

#include "game/GameRects.h"

#include <gtest/gtest.h>

namespace sixdice::testsupport {

const NavigationPoints& PointsOf(game::Language language) {
    static constexpr NavigationPoints czech{218, 45,  62, 262, 361, 283, 152,
                                            103, 424, 54, 93,  285, 338, 285};
    static constexpr NavigationPoints english{229, 50,  62, 266, 362, 282, 145,
                                              101, 424, 54, 84,  285, 363, 284};
    return language == game::Language::Czech ? czech : english;
}

ScreenSession::ScreenSession(game::Language language, std::vector<std::string> settings)
    : language_(language) {
    settings.resize(2, "0");
    settings.push_back(language == game::Language::Czech ? "CZ" : "EN");
    tmain_ = std::make_unique<ui::Tmain>(
        services_,
        [settings](const std::string&, ui::SettingsLines& lines) -> std::optional<std::string> {
            lines = ui::SettingsLines(settings);
            return std::nullopt;
        },
        clock_);
    if (auto failure = tmain_->FormCreate()) {
        ADD_FAILURE() << "start-up failed: " << *failure;
    }
    services_.window().Show();
    (void)services_.events().WaitEvent(0); // the first restore draws the menu
}

void ScreenSession::Handle(const media::InputEvent& event) {
    tmain_->HandleEvent(event);
    if (event.kind == media::EventKind::MouseMove && event.window == media::EventWindow::Main) {
        tmain_->Present();
    }
}

namespace {

media::InputEvent PointerEvent(media::EventKind kind, int x, int y) {
    media::InputEvent e;
    e.kind = kind;
    e.button = kind == media::EventKind::MouseMove ? 0 : 1;
    e.x = x;
    e.y = y;
    return e;
}

} // namespace

void ScreenSession::Move(int x, int y) {
    Handle(PointerEvent(media::EventKind::MouseMove, x, y));
}

void ScreenSession::Press(int x, int y) {
    Handle(PointerEvent(media::EventKind::MouseDown, x, y));
}

void ScreenSession::Release(int x, int y) {
    Handle(PointerEvent(media::EventKind::MouseUp, x, y));
    Handle(PointerEvent(media::EventKind::Click, x, y));
}

void ScreenSession::Click(int x, int y) {
    Move(x, y);
    Press(x, y);
    Release(x, y);
}

void ScreenSession::Key(media::Key key, media::Modifiers modifiers) {
    media::InputEvent e;
    e.kind = media::EventKind::KeyDown;
    e.key = key;
    e.modifiers = modifiers;
    Handle(e);
    e.kind = media::EventKind::KeyUp;
    Handle(e);
}

void ScreenSession::Type(const std::string& utf8) {
    media::InputEvent e;
    e.kind = media::EventKind::KeyDown;
    Handle(e);
    e.kind = media::EventKind::TextInput;
    e.text = utf8;
    Handle(e);
    e.kind = media::EventKind::KeyUp;
    e.text.clear();
    Handle(e);
}

void ScreenSession::CloseRequest() {
    media::InputEvent e;
    e.kind = media::EventKind::CloseRequest;
    Handle(e);
}

void ScreenSession::TerminateRequest() {
    media::InputEvent e;
    e.kind = media::EventKind::Terminate;
    Handle(e);
}

void ScreenSession::ToSetup() {
    const NavigationPoints& p = PointsOf(language_);
    Click(p.newGameX, p.newGameY);
}

void ScreenSession::AddPlayers(int players) {
    while (tmain_->State().PlayerCount < players) {
        const int before = tmain_->State().PlayerCount;
        tmain_->BPlusClick();
        if (tmain_->State().PlayerCount == before) {
            ADD_FAILURE() << "the add button did not add a player";
            return;
        }
    }
}

void ScreenSession::StartGame(int players) {
    ToSetup();
    AddPlayers(players);
    const NavigationPoints& p = PointsOf(language_);
    Click(p.startX, p.startY);
}

void ScreenSession::OfferLastCell() {
    game::GameState& state = tmain_->State();
    game::PlayerSheet& sheet = state.CurrentSheet();
    for (int cell = 1; cell < game::CellCount; ++cell) {
        sheet.SetNumber(game::CellLine(cell), cell);
    }
    game::LoadActiveSheet(state);
    state.Entry(game::CellCount) = 30;
}

void ScreenSession::FinishGame() {
    OfferLastCell();
    const game::Rect cell = game::SheetCell(tmain_->State().CurrentPlayer, game::CellCount);
    Click(cell.x1 + 5, cell.y1 + 3);
}

void ScreenSession::Reach(game::Screen screen, int players) {
    switch (screen) {
    case game::Screen::PlayerSetup:
        ToSetup();
        break;
    case game::Screen::Game:
        StartGame(players);
        break;
    case game::Screen::Highscore:
        ToHighscore();
        break;
    default:
        break;
    }
    EXPECT_EQ(tmain_->CurrentScreen(), screen) << "the road to the screen did not lead there";
    log().Clear();
}

void ScreenSession::ToHighscore() {
    StartGame(1);
    FinishGame();
    Click(10, 10);
}

} // namespace sixdice::testsupport
