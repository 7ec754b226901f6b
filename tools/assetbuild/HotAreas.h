// The game's clickable areas and highlight places per screen and language, as the art must meet
// them: the game's own hot-area tables, with the names and kinds the drawings need.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Language.h"
#include "game/Rect.h"

#include <string>
#include <vector>

namespace sixdice::art {

using Language = game::Language;
enum class Screen { Menu, Setup, Game, Highscore };

// Inclusive pixel bounds [x1..x2] x [y1..y2].
using HotRect = game::Rect;

// What the art draws under an area: a gold plate, the language flag, a die's marker place or a
// score-sheet cell.
enum class AreaKind { Button, Flag, Die, Cell };

struct HotArea {
    std::string name;
    AreaKind kind = AreaKind::Button;
    HotRect click;
    HotRect hover;      // equal to click except where the hover reaches a pixel further
    int highlight = -1; // image drawn while the pointer is over the area, -1 for none
    int highlightX = 0;
    int highlightY = 0;
};

struct ScreenLayout {
    Screen screen;
    std::string slug; // "menu", "setup", "game", "highscore"
    int width = 0;
    int height = 0;
    int baseImage = 0;
    std::vector<HotArea> areas;
};

ScreenLayout LayoutOf(Screen screen, Language language);
std::vector<Screen> AllScreens();
std::string LanguageSlug(Language language); // "cz" or "en"

// The inclusive rectangle clipped to a screen of the given size.
HotRect ClipToScreen(const HotRect& rect, int width, int height);

} // namespace sixdice::art
