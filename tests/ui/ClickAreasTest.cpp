// Every click area of every screen in both languages: a click on each corner of its rectangle
// does what the area shows, a click one pixel outside does not, and no other area acts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"
#include "ui/Links.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace sixdice::ui {
namespace {

using game::Language;
using game::Screen;
using testsupport::ScreenSession;

struct Box {
    int x1, x2, y1, y2;
};

// The rectangles the artwork was drawn for, both ends included.
struct ClickArea {
    const char* name;
    Screen screen;
    Box czech;
    Box english;
};

const ClickArea kAreas[] = {
    {"language flag", Screen::Menu, {0, 32, 276, 300}, {0, 32, 276, 300}},
    {"exit", Screen::Menu, {32, 115, 204, 232}, {31, 94, 205, 233}},
    {"on-line table", Screen::Menu, {272, 400, 250, 300}, {272, 400, 250, 300}},
    {"rules", Screen::Menu, {80, 195, 117, 143}, {101, 175, 118, 148}},
    {"author mail", Screen::Menu, {2, 73, 4, 37}, {2, 73, 4, 37}},
    {"new game", Screen::Menu, {154, 282, 30, 60}, {154, 305, 34, 67}},
    {"setup back", Screen::PlayerSetup, {335, 388, 273, 294}, {333, 392, 274, 290}},
    {"start", Screen::PlayerSetup, {18, 107, 249, 275}, {19, 106, 252, 281}},
    {"web link 1", Screen::Game, {45, 242, 428, 441}, {45, 242, 428, 441}},
    {"web link 2", Screen::Game, {300, 501, 427, 444}, {300, 501, 427, 444}},
    {"pass", Screen::Game, {325, 523, 43, 65}, {349, 499, 43, 65}},
    {"throw", Screen::Game, {80, 224, 94, 113}, {82, 208, 94, 109}},
    {"die 1", Screen::Game, {10, 40, 52, 82}, {10, 40, 52, 82}},
    {"die 2", Screen::Game, {60, 90, 52, 82}, {60, 90, 52, 82}},
    {"die 3", Screen::Game, {110, 140, 52, 82}, {110, 140, 52, 82}},
    {"die 4", Screen::Game, {160, 190, 52, 82}, {160, 190, 52, 82}},
    {"die 5", Screen::Game, {210, 240, 52, 82}, {210, 240, 52, 82}},
    {"die 6", Screen::Game, {260, 290, 52, 82}, {260, 290, 52, 82}},
    {"send on-line", Screen::Highscore, {6, 180, 277, 294}, {6, 162, 277, 294}},
    {"back to menu", Screen::Highscore, {283, 393, 277, 294}, {337, 389, 279, 290}},
};

// Puts a fresh session on `screen`: a two-player game with thrown dice for the game screen.
void Reach(ScreenSession& s, Screen screen) {
    s.Reach(screen, 2);
    if (screen == Screen::Game) {
        s.tmain().State().Dice = {1, 2, 3, 4, 5, 6};
    }
}

bool Logged(ScreenSession& s, const std::string& line) {
    for (const std::string& l : s.log().Lines()) {
        if (l == line) {
            return true;
        }
    }
    return false;
}

// Whether the area's own action happened in the session since it was reached.
bool Acted(ScreenSession& s, const std::string& area) {
    const Language language = s.language();
    const Tmain& t = s.tmain();
    if (area == "language flag")
        return Logged(s, "PlaySound 8");
    if (area == "exit")
        return t.Closed();
    if (area == "on-line table")
        return Logged(s, "Shell.Open http://127.0.0.1:8043/savescore.php?gid=43 maximised");
    if (area == "rules")
        return Logged(s, language == Language::Czech ? "Shell.Open pravidla.htm maximised"
                                                     : "Shell.Open rules.htm maximised");
    if (area == "author mail")
        return Logged(s, "Shell.Open " + AuthorMailLink() + " normal");
    if (area == "new game")
        return t.CurrentScreen() == Screen::PlayerSetup;
    if (area == "setup back")
        return t.CurrentScreen() == Screen::Menu;
    if (area == "start")
        return t.CurrentScreen() == Screen::Game;
    if (area == "web link 1")
        return Logged(s, "Shell.Open " + std::string(WebLink1()) + " maximised");
    if (area == "web link 2")
        return Logged(s, "Shell.Open " + std::string(WebLink2()) + " maximised");
    if (area == "pass")
        return t.State().CurrentPlayer == 2;
    if (area == "throw")
        return Logged(s, "PlaySound 4 wait");
    if (area.starts_with("die ")) {
        const int die = area.back() - '0';
        return t.State().Held(die);
    }
    if (area == "send on-line")
        return t.Email().Visible();
    if (area == "back to menu")
        return t.CurrentScreen() == Screen::Menu;
    ADD_FAILURE() << "no check for " << area;
    return false;
}

class ClickAreas : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        ::unsetenv("SIXDICE_SCORE_SERVER");
    }
    testsupport::WorkingFolder folder_;
};

TEST_P(ClickAreas, EachCornerActsAndOnlyThatArea) {
    const Language language = GetParam();
    for (const ClickArea& area : kAreas) {
        const Box b = language == Language::Czech ? area.czech : area.english;
        const std::pair<int, int> corners[] = {
            {b.x1, b.y1}, {b.x2, b.y1}, {b.x1, b.y2}, {b.x2, b.y2}};
        for (const auto& [x, y] : corners) {
            ScreenSession s(language);
            Reach(s, area.screen);
            s.Click(x, y);
            for (const ClickArea& other : kAreas) {
                if (other.screen == area.screen) {
                    EXPECT_EQ(Acted(s, other.name), &other == &area)
                        << "a click at (" << x << ", " << y << ") on the " << area.name
                        << " area; the " << other.name << " area should "
                        << (&other == &area ? "" : "not ") << "act\n"
                        << s.log().Text();
                }
            }
        }
    }
}

TEST_P(ClickAreas, OnePixelOutsideDoesNotAct) {
    const Language language = GetParam();
    for (const ClickArea& area : kAreas) {
        const Box b = language == Language::Czech ? area.czech : area.english;
        const int midX = (b.x1 + b.x2) / 2;
        const int midY = (b.y1 + b.y2) / 2;
        const std::pair<int, int> outside[] = {
            {b.x1 - 1, midY}, {b.x2 + 1, midY}, {midX, b.y1 - 1}, {midX, b.y2 + 1}};
        for (const auto& [x, y] : outside) {
            ScreenSession s(language);
            Reach(s, area.screen);
            s.Click(x, y);
            EXPECT_FALSE(Acted(s, area.name))
                << "a click at (" << x << ", " << y << ") is outside the " << area.name << " area\n"
                << s.log().Text();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ClickAreas,
                         ::testing::Values(Language::Czech, Language::English),
                         [](const auto& info) {
                             return info.param == Language::Czech ? "Czech" : "English";
                         });

} // namespace
} // namespace sixdice::ui
