// The screens' areas as the art sees them: names, kinds and drawing order over the game's tables.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/HotAreas.h"

#include "game/GameRects.h"
#include "ui/ScreenTables.h"

#include <algorithm>

namespace sixdice::art {
namespace {

using ui::AreaId;

struct Named {
    AreaId id;
    const char* name;
    AreaKind kind;
};

// Each screen's areas in the order the contact sheet and the art tests go through them.
const std::vector<Named>& NamesOf(Screen screen) {
    static const std::vector<Named> menu{
        {AreaId::NewGame, "new game", AreaKind::Button},
        {AreaId::Rules, "rules", AreaKind::Button},
        {AreaId::Exit, "exit", AreaKind::Button},
        {AreaId::AuthorMail, "author mail", AreaKind::Button},
        {AreaId::OnlineTable, "on-line table", AreaKind::Button},
        {AreaId::LanguageFlag, "language flag", AreaKind::Flag},
    };
    static const std::vector<Named> setup{
        {AreaId::SetupBack, "back", AreaKind::Button},
        {AreaId::SetupStart, "start", AreaKind::Button},
    };
    static const std::vector<Named> game{
        {AreaId::WebLink1, "web link 1", AreaKind::Button},
        {AreaId::WebLink2, "web link 2", AreaKind::Button},
        {AreaId::Pass, "pass", AreaKind::Button},
        {AreaId::Throw, "throw", AreaKind::Button},
        {AreaId::Die1, "die 1", AreaKind::Die},
        {AreaId::Die2, "die 2", AreaKind::Die},
        {AreaId::Die3, "die 3", AreaKind::Die},
        {AreaId::Die4, "die 4", AreaKind::Die},
        {AreaId::Die5, "die 5", AreaKind::Die},
        {AreaId::Die6, "die 6", AreaKind::Die},
    };
    static const std::vector<Named> highscore{
        {AreaId::SendOnline, "send on-line", AreaKind::Button},
        {AreaId::BackToMenu, "back to menu", AreaKind::Button},
    };
    switch (screen) {
    case Screen::Menu:
        return menu;
    case Screen::Setup:
        return setup;
    case Screen::Game:
        return game;
    case Screen::Highscore:
        return highscore;
    }
    return menu;
}

game::Screen GameScreenOf(Screen screen) {
    switch (screen) {
    case Screen::Menu:
        return game::Screen::Menu;
    case Screen::Setup:
        return game::Screen::PlayerSetup;
    case Screen::Game:
        return game::Screen::Game;
    case Screen::Highscore:
        return game::Screen::Highscore;
    }
    return game::Screen::Menu;
}

const char* SlugOf(Screen screen) {
    switch (screen) {
    case Screen::Menu:
        return "menu";
    case Screen::Setup:
        return "setup";
    case Screen::Game:
        return "game";
    case Screen::Highscore:
        return "highscore";
    }
    return "menu";
}

HotArea FromTable(const Named& named, Language language) {
    const ui::ScreenArea& area = ui::AreaOf(language, named.id);
    HotArea hot{named.name, named.kind, area.click, area.click, -1, 0, 0};
    // A die has no hover mark of its own; its plate is drawn over its click rectangle.
    if (area.mark != ui::HoverMark::None) {
        hot.hover = area.hover;
    }
    if (area.mark == ui::HoverMark::Highlight) {
        hot.highlight = area.highlight;
        hot.highlightX = area.highlightAt.x;
        hot.highlightY = area.highlightAt.y;
    }
    return hot;
}

// Score-sheet cells: one column per player, one row per cell, as the rules test them.
void AddSheetCells(std::vector<HotArea>& areas) {
    for (int player = 1; player <= 4; ++player) {
        for (int cell = 1; cell <= 13; ++cell) {
            const HotRect rect = game::SheetCell(player, cell);
            areas.push_back(
                {"cell " + std::to_string(cell) + " of player " + std::to_string(player),
                 AreaKind::Cell, rect, rect, -1, 0, 0});
        }
    }
}

} // namespace

ScreenLayout LayoutOf(Screen screen, Language language) {
    const ui::ScreenTable& table = ui::TableOf(language, GameScreenOf(screen));
    ScreenLayout layout{screen, SlugOf(screen), table.width, table.height, table.background, {}};
    for (const Named& named : NamesOf(screen)) {
        layout.areas.push_back(FromTable(named, language));
    }
    if (screen == Screen::Game) {
        AddSheetCells(layout.areas);
    }
    return layout;
}

std::vector<Screen> AllScreens() {
    return {Screen::Menu, Screen::Setup, Screen::Game, Screen::Highscore};
}

std::string LanguageSlug(Language language) {
    return language == Language::Czech ? "cz" : "en";
}

HotRect ClipToScreen(const HotRect& rect, int width, int height) {
    return {.x1 = std::max(rect.x1, 0),
            .x2 = std::min(rect.x2, width - 1),
            .y1 = std::max(rect.y1, 0),
            .y2 = std::min(rect.y2, height - 1)};
}

} // namespace sixdice::art
