// The Czech and the English table of hot areas, and the lookups that read them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScreenTables.h"

#include "game/GameRects.h"
#include "ui/Catalogue.h"

#include <array>

namespace sixdice::ui {
namespace {

using game::Rect; // {x1, x2, y1, y2}: [x1..x2] x [y1..y2], both ends included
using game::Screen;
namespace image = catalogue::image;

// An area lit by its highlight image with the hover sound; it hovers where it clicks.
constexpr ScreenArea Lit(AreaId id, Rect click, int image, Position at) {
    return {id, click, HoverMark::Highlight, click, image, at, true};
}

// The throw and pass buttons light up without a sound.
constexpr ScreenArea Quiet(AreaId id, Rect click, int image, Position at) {
    return {id, click, HoverMark::Highlight, click, image, at, false};
}

// The menu's two links show the pointing hand instead of a highlight.
constexpr ScreenArea Hand(AreaId id, Rect click, Rect hover) {
    return {id, click, HoverMark::HandCursor, hover, -1, {}, false};
}

constexpr ScreenArea WithHover(ScreenArea area, Rect hover) {
    area.hover = hover;
    return area;
}

// A die takes clicks (hold and release) but has no hover mark.
constexpr ScreenArea Die(int die) {
    return {AreaId(int(AreaId::Die1) + die - 1),
            game::DieRect(die),
            HoverMark::None,
            {},
            -1,
            {},
            false};
}

constexpr game::LanguageRects kCzechRules = game::GameScreenRects(game::Language::Czech);
constexpr game::LanguageRects kEnglishRules = game::GameScreenRects(game::Language::English);

// The language flag acts up to x = 32 while its hover reaches x = 33; the on-line table link runs
// to the surface's edge.
constexpr std::array kCzechMenu{
    Hand(AreaId::LanguageFlag, {0, 32, 276, 300}, {0, 33, 276, 300}),
    Lit(AreaId::Exit, {32, 115, 204, 232}, image::MenuExitHighlight, {31, 203}),
    Hand(AreaId::OnlineTable, {272, 400, 250, 300}, {272, 400, 250, 300}),
    Lit(AreaId::Rules, {80, 195, 117, 143}, image::MenuRulesHighlight, {79, 116}),
    Lit(AreaId::AuthorMail, {2, 73, 4, 37}, image::MenuMailHighlight, {2, 3}),
    Lit(AreaId::NewGame, {154, 282, 30, 60}, image::MenuNewGameHighlight, {154, 31}),
};

constexpr std::array kEnglishMenu{
    Hand(AreaId::LanguageFlag, {0, 32, 276, 300}, {0, 33, 276, 300}),
    Lit(AreaId::Exit, {31, 94, 205, 233}, image::MenuExitHighlight, {31, 202}),
    Hand(AreaId::OnlineTable, {272, 400, 250, 300}, {272, 400, 250, 300}),
    Lit(AreaId::Rules, {101, 175, 118, 148}, image::MenuRulesHighlight, {101, 117}),
    Lit(AreaId::AuthorMail, {2, 73, 4, 37}, image::MenuMailHighlight, {2, 3}),
    Lit(AreaId::NewGame, {154, 305, 34, 67}, image::MenuNewGameHighlight, {155, 34}),
};

constexpr std::array kCzechSetup{
    Lit(AreaId::SetupBack, {335, 388, 273, 294}, image::SetupBackHighlight, {335, 273}),
    Lit(AreaId::SetupStart, {18, 107, 249, 275}, image::SetupStartHighlight, {18, 249}),
};

// The English start button takes clicks from x = 19 but lights up from x = 18.
constexpr std::array kEnglishSetup{
    Lit(AreaId::SetupBack, {333, 392, 274, 290}, image::SetupBackHighlight, {332, 273}),
    WithHover(Lit(AreaId::SetupStart, {19, 106, 252, 281}, image::SetupStartHighlight, {18, 250}),
              {18, 106, 252, 281}),
};

constexpr std::array kCzechGame{
    Lit(AreaId::WebLink1, {45, 242, 428, 441}, image::WebLink1Highlight, {44, 427}),
    Lit(AreaId::WebLink2, {300, 501, 427, 444}, image::WebLink2Highlight, {299, 427}),
    Quiet(AreaId::Pass, kCzechRules.passButton, image::PassHighlight, {325, 43}),
    Quiet(AreaId::Throw, kCzechRules.throwButton, image::ThrowHighlight, {79, 93}),
    Die(1),
    Die(2),
    Die(3),
    Die(4),
    Die(5),
    Die(6),
};

constexpr std::array kEnglishGame{
    Lit(AreaId::WebLink1, {45, 242, 428, 441}, image::WebLink1Highlight, {44, 427}),
    Lit(AreaId::WebLink2, {300, 501, 427, 444}, image::WebLink2Highlight, {299, 427}),
    Quiet(AreaId::Pass, kEnglishRules.passButton, image::PassHighlight, {348, 43}),
    Quiet(AreaId::Throw, kEnglishRules.throwButton, image::ThrowHighlight, {81, 93}),
    Die(1),
    Die(2),
    Die(3),
    Die(4),
    Die(5),
    Die(6),
};

constexpr std::array kCzechHighscore{
    Lit(AreaId::SendOnline, {6, 180, 277, 294}, image::HighscoreSendHighlight, {5, 277}),
    Lit(AreaId::BackToMenu, {283, 393, 277, 294}, image::HighscoreBackHighlight, {282, 277}),
};

constexpr std::array kEnglishHighscore{
    Lit(AreaId::SendOnline, {6, 162, 277, 294}, image::HighscoreSendHighlight, {5, 277}),
    Lit(AreaId::BackToMenu, {337, 389, 279, 290}, image::HighscoreBackHighlight, {336, 279}),
};

// Small layout 400 x 300 for menu, setup and highscore; large 547 x 448 for the game screens.
constexpr std::array<ScreenTable, 6> kCzech{{
    {Screen::Menu, 400, 300, image::Menu, true, kCzechMenu},
    {Screen::PlayerSetup, 400, 300, image::PlayerSetup, true, kCzechSetup},
    {Screen::Game, 547, 448, image::Board, false, kCzechGame},
    {Screen::Wait, 547, 448, image::Board, false, {}},
    {Screen::GameEnd, 547, 448, image::Board, false, {}},
    {Screen::Highscore, 400, 300, image::Highscore, false, kCzechHighscore},
}};

constexpr std::array<ScreenTable, 6> kEnglish{{
    {Screen::Menu, 400, 300, image::Menu, true, kEnglishMenu},
    {Screen::PlayerSetup, 400, 300, image::PlayerSetup, true, kEnglishSetup},
    {Screen::Game, 547, 448, image::Board, false, kEnglishGame},
    {Screen::Wait, 547, 448, image::Board, false, {}},
    {Screen::GameEnd, 547, 448, image::Board, false, {}},
    {Screen::Highscore, 400, 300, image::Highscore, false, kEnglishHighscore},
}};

const std::array<ScreenTable, 6>& TablesOf(game::Language language) {
    return language == game::Language::Czech ? kCzech : kEnglish;
}

// Where each area sits in a language's tables: found while compiling, so an area missing from a
// table stops the build instead of failing a lookup at run time.
struct Place {
    int screen = -1;
    int area = -1;
};

constexpr std::array<Place, AreaCount> PlacesIn(const std::array<ScreenTable, 6>& tables) {
    std::array<Place, AreaCount> places{};
    for (int s = 0; s < int(tables.size()); ++s) {
        const auto& areas = tables[std::size_t(s)].areas;
        for (int a = 0; a < int(areas.size()); ++a) {
            places[std::size_t(areas[std::size_t(a)].id)] = {s, a};
        }
    }
    for (const Place& place : places) {
        if (place.screen < 0) {
            throw "an area is missing from a language's table";
        }
    }
    return places;
}

constexpr std::array<Place, AreaCount> kCzechPlaces = PlacesIn(kCzech);
constexpr std::array<Place, AreaCount> kEnglishPlaces = PlacesIn(kEnglish);

} // namespace

const ScreenTable& TableOf(game::Language language, game::Screen screen) {
    const auto& tables = TablesOf(language);
    for (const ScreenTable& table : tables) {
        if (table.screen == screen) {
            return table;
        }
    }
    return tables.front(); // every screen has a table; kept for a value outside the enumeration
}

const ScreenArea& AreaOf(game::Language language, AreaId id) {
    const Place place =
        (language == game::Language::Czech ? kCzechPlaces : kEnglishPlaces)[std::size_t(id)];
    return TablesOf(language)[std::size_t(place.screen)].areas[std::size_t(place.area)];
}

const ScreenArea* ClickedArea(const ScreenTable& table, int x, int y) {
    for (const ScreenArea& area : table.areas) {
        if (area.click.Contains(x, y)) {
            return &area;
        }
    }
    return nullptr;
}

const ScreenArea* HoveredArea(const ScreenTable& table, int x, int y) {
    for (const ScreenArea& area : table.areas) {
        if (area.mark != HoverMark::None && area.hover.Contains(x, y)) {
            return &area;
        }
    }
    return nullptr;
}

} // namespace sixdice::ui
