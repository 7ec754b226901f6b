// The hot areas of every screen per language: click and hover rectangles and highlight images.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"
#include "game/Rect.h"
#include "game/Screen.h"

#include <span>

namespace sixdice::ui {

// A top-left corner in surface pixels.
struct Position {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Position&, const Position&) = default;
};

// Every area that a click or the pointer can meet, on the screen that holds it.
enum class AreaId {
    // "menu"
    LanguageFlag,
    Exit,
    OnlineTable,
    Rules,
    AuthorMail,
    NewGame,
    // "výběr hráčů"
    SetupBack,
    SetupStart,
    // "hra"
    WebLink1,
    WebLink2,
    Pass,
    Throw,
    Die1,
    Die2,
    Die3,
    Die4,
    Die5,
    Die6,
    // "highscore"
    SendOnline,
    BackToMenu,
};

inline constexpr int AreaCount = int(AreaId::BackToMenu) + 1;

// The die (1..6) an area stands for, or 0 when it is not a die.
constexpr int DieOf(AreaId id) {
    return id >= AreaId::Die1 && id <= AreaId::Die6 ? int(id) - int(AreaId::Die1) + 1 : 0;
}

// What the hover feedback does while the pointer is over the area.
enum class HoverMark {
    None,       // the area has no hover area (the dice)
    Highlight,  // the highlight image is drawn at its position
    HandCursor, // the surface's cursor becomes the pointing hand (the menu's two links)
};

struct ScreenArea {
    AreaId id;
    game::Rect click;
    HoverMark mark = HoverMark::None;
    game::Rect hover;        // the click rectangle, except where the hover reaches a pixel further;
                             // empty for an area without a mark
    int highlight = -1;      // image drawn by a Highlight mark
    Position highlightAt;    // where that image goes
    bool hoverSound = false; // sound 1 accompanies the mark
};

struct ScreenTable {
    game::Screen screen;
    int width = 0;
    int height = 0;
    int background = 0; // image drawn at (0, 0) as the screen's picture
    // Menu and setup redraw the background under every mark; the game and highscore screens draw
    // the mark over the current picture and remove it by redrawing the whole screen.
    bool markRedrawsBackground = false;
    // In the order the click dispatch tests them. No two areas of a screen overlap, so the hover
    // feedback finds the same area whatever order it tests them in.
    std::span<const ScreenArea> areas;
};

// The table of one screen in one language. "čekej" and "konec hry" show the game board's layout
// and have no areas.
const ScreenTable& TableOf(game::Language language, game::Screen screen);

// The area of a language's table with the given id.
const ScreenArea& AreaOf(game::Language language, AreaId id);

// The first area whose click rectangle holds the point, or nullptr.
const ScreenArea* ClickedArea(const ScreenTable& table, int x, int y);

// The first area with a hover mark whose hover rectangle holds the point, or nullptr.
const ScreenArea* HoveredArea(const ScreenTable& table, int x, int y);

} // namespace sixdice::ui
