// The click and hover rectangles and highlight positions of both languages, screen by screen.
#include "tools/assetbuild/HotAreas.h"

#include <algorithm>

namespace sixdice::art {
namespace {

HotArea Button(std::string name, HotRect click, int image, int hx, int hy) {
    return {std::move(name), AreaKind::Button, click, click, image, hx, hy};
}

ScreenLayout Menu(Language language) {
    const bool cz = language == Language::Czech;
    ScreenLayout layout{Screen::Menu, "menu", 400, 300, 0, {}};
    layout.areas = {
        cz ? Button("new game", {154, 30, 282, 60}, 1, 154, 31)
           : Button("new game", {154, 34, 305, 67}, 1, 155, 34),
        cz ? Button("rules", {80, 117, 195, 143}, 2, 79, 116)
           : Button("rules", {101, 118, 175, 148}, 2, 101, 117),
        cz ? Button("exit", {32, 204, 115, 232}, 3, 31, 203)
           : Button("exit", {31, 205, 94, 233}, 3, 31, 202),
        Button("author mail", {2, 4, 73, 37}, 4, 2, 3),
        Button("on-line table", {272, 250, 400, 300}, -1, 0, 0),
        {"language flag", AreaKind::Flag, {0, 276, 32, 300}, {0, 276, 33, 300}, -1, 0, 0},
    };
    return layout;
}

ScreenLayout Setup(Language language) {
    const bool cz = language == Language::Czech;
    ScreenLayout layout{Screen::Setup, "setup", 400, 300, 6, {}};
    if (cz) {
        layout.areas = {Button("back", {335, 273, 388, 294}, 7, 335, 273),
                        Button("start", {18, 249, 107, 275}, 8, 18, 249)};
    } else {
        HotArea start = Button("start", {19, 252, 106, 281}, 8, 18, 250);
        start.hover = {18, 252, 106, 281};
        layout.areas = {Button("back", {333, 274, 392, 290}, 7, 332, 273), start};
    }
    return layout;
}

ScreenLayout Game(Language language) {
    const bool cz = language == Language::Czech;
    ScreenLayout layout{Screen::Game, "game", 547, 448, 15, {}};
    layout.areas = {
        Button("web link 1", {45, 428, 242, 441}, 27, 44, 427),
        Button("web link 2", {300, 427, 501, 444}, 26, 299, 427),
        cz ? Button("pass", {325, 43, 523, 65}, 21, 325, 43)
           : Button("pass", {349, 43, 499, 65}, 21, 348, 43),
        cz ? Button("throw", {80, 94, 224, 113}, 20, 79, 93)
           : Button("throw", {82, 94, 208, 109}, 20, 81, 93),
    };
    for (int d = 1; d <= 6; ++d) {
        const HotRect die{10 + 50 * (d - 1), 52, 40 + 50 * (d - 1), 82};
        layout.areas.push_back({"die " + std::to_string(d), AreaKind::Die, die, die, -1, 0, 0});
    }
    // Score-sheet cells: one column per player, one row per cell (rows 9 to 12 pixels high).
    const int columns[4][2] = {{6, 133}, {141, 268}, {276, 403}, {411, 538}};
    const int rowEnds[13] = {168, 184, 199, 214, 229, 244, 262, 277, 289, 307, 321, 337, 352};
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 13; ++k) {
            const HotRect cell{columns[p][0], 161 + 15 * k, columns[p][1], rowEnds[k]};
            layout.areas.push_back(
                {"cell " + std::to_string(k + 1) + " of player " + std::to_string(p + 1),
                 AreaKind::Cell, cell, cell, -1, 0, 0});
        }
    }
    return layout;
}

ScreenLayout Highscore(Language language) {
    const bool cz = language == Language::Czech;
    ScreenLayout layout{Screen::Highscore, "highscore", 400, 300, 22, {}};
    layout.areas = {
        cz ? Button("send on-line", {6, 277, 180, 294}, 24, 5, 277)
           : Button("send on-line", {6, 277, 162, 294}, 24, 5, 277),
        cz ? Button("back to menu", {283, 277, 393, 294}, 23, 282, 277)
           : Button("back to menu", {337, 279, 389, 290}, 23, 336, 279),
    };
    return layout;
}

} // namespace

ScreenLayout LayoutOf(Screen screen, Language language) {
    switch (screen) {
    case Screen::Menu:
        return Menu(language);
    case Screen::Setup:
        return Setup(language);
    case Screen::Game:
        return Game(language);
    case Screen::Highscore:
        return Highscore(language);
    }
    return Menu(language);
}

std::vector<Screen> AllScreens() {
    return {Screen::Menu, Screen::Setup, Screen::Game, Screen::Highscore};
}

std::string LanguageSlug(Language language) {
    return language == Language::Czech ? "cz" : "en";
}

HotRect ClipToScreen(const HotRect& rect, int width, int height) {
    return {std::max(rect.x1, 0), std::max(rect.y1, 0), std::min(rect.x2, width - 1),
            std::min(rect.y2, height - 1)};
}

} // namespace sixdice::art
