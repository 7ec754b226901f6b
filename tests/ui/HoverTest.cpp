// Hover marks: every hover area of every screen in both languages, and the rules of the one
// program-wide highlight flag.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sixdice::ui {
namespace {

using game::Language;
using game::Screen;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testsupport::ScreenSession;

struct Box {
    int x1, x2, y1, y2;
};

enum class Kind { Lit, Quiet, Hand };

struct HoverArea {
    const char* name;
    Screen screen;
    Kind kind;
    int image;
    Box czech;
    int czechX, czechY; // where the highlight goes
    Box english;
    int englishX, englishY;
};

// The hover rectangles (the language flag reaches x = 33, the English start button x = 18) and
// where each highlight is drawn.
const HoverArea kAreas[] = {
    {"new game",
     Screen::Menu,
     Kind::Lit,
     1,
     {154, 282, 30, 60},
     154,
     31,
     {154, 305, 34, 67},
     155,
     34},
    {"rules",
     Screen::Menu,
     Kind::Lit,
     2,
     {80, 195, 117, 143},
     79,
     116,
     {101, 175, 118, 148},
     101,
     117},
    {"exit", Screen::Menu, Kind::Lit, 3, {32, 115, 204, 232}, 31, 203, {31, 94, 205, 233}, 31, 202},
    {"author mail", Screen::Menu, Kind::Lit, 4, {2, 73, 4, 37}, 2, 3, {2, 73, 4, 37}, 2, 3},
    {"on-line table",
     Screen::Menu,
     Kind::Hand,
     -1,
     {272, 400, 250, 300},
     0,
     0,
     {272, 400, 250, 300},
     0,
     0},
    {"language flag",
     Screen::Menu,
     Kind::Hand,
     -1,
     {0, 33, 276, 300},
     0,
     0,
     {0, 33, 276, 300},
     0,
     0},
    {"setup back",
     Screen::PlayerSetup,
     Kind::Lit,
     7,
     {335, 388, 273, 294},
     335,
     273,
     {333, 392, 274, 290},
     332,
     273},
    {"start",
     Screen::PlayerSetup,
     Kind::Lit,
     8,
     {18, 107, 249, 275},
     18,
     249,
     {18, 106, 252, 281},
     18,
     250},
    {"web link 1",
     Screen::Game,
     Kind::Lit,
     27,
     {45, 242, 428, 441},
     44,
     427,
     {45, 242, 428, 441},
     44,
     427},
    {"web link 2",
     Screen::Game,
     Kind::Lit,
     26,
     {300, 501, 427, 444},
     299,
     427,
     {300, 501, 427, 444},
     299,
     427},
    {"throw",
     Screen::Game,
     Kind::Quiet,
     20,
     {80, 224, 94, 113},
     79,
     93,
     {82, 208, 94, 109},
     81,
     93},
    {"pass",
     Screen::Game,
     Kind::Quiet,
     21,
     {325, 523, 43, 65},
     325,
     43,
     {349, 499, 43, 65},
     348,
     43},
    {"send on-line",
     Screen::Highscore,
     Kind::Lit,
     24,
     {6, 180, 277, 294},
     5,
     277,
     {6, 162, 277, 294},
     5,
     277},
    {"back to menu",
     Screen::Highscore,
     Kind::Lit,
     23,
     {283, 393, 277, 294},
     282,
     277,
     {337, 389, 279, 290},
     336,
     279},
};

// A fresh session on `screen` with the pointer on a neutral point, so no mark is shown.
void Reach(ScreenSession& s, Screen screen) {
    s.Reach(screen);
    s.Move(-5, -5);
    ASSERT_FALSE(s.tmain().HighlightShown());
    s.log().Clear();
}

// The calls a mark makes, followed by the present that ends every movement.
std::vector<std::string> MarkCalls(const HoverArea& a, Language language) {
    const int x = language == Language::Czech ? a.czechX : a.englishX;
    const int y = language == Language::Czech ? a.czechY : a.englishY;
    const std::string image = "DrawImage " + std::to_string(a.image) + " " + std::to_string(x) +
                              " " + std::to_string(y) + " 0";
    std::vector<std::string> calls;
    if (a.kind == Kind::Hand) {
        return {"Pointer.Shape hand", "Present"};
    }
    if (a.kind == Kind::Lit) {
        calls.push_back("PlaySound 1");
    }
    if (a.screen == Screen::Menu || a.screen == Screen::PlayerSetup) {
        calls.push_back(a.screen == Screen::Menu ? "DrawImage 0 0 0 0" : "DrawImage 6 0 0 0");
        calls.push_back(image);
    } else {
        calls.push_back(image);
        calls.push_back("Present");
    }
    calls.push_back("Present");
    return calls;
}

class HoverAreas : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { folder_.WriteCompleteSet(""); }
    testsupport::WorkingFolder folder_;
};

TEST_P(HoverAreas, EachCornerMarksTheAreaAsItsTableSays) {
    const Language language = GetParam();
    for (const HoverArea& a : kAreas) {
        const Box b = language == Language::Czech ? a.czech : a.english;
        for (const auto& [x, y] :
             {std::pair{b.x1, b.y1}, {b.x2, b.y1}, {b.x1, b.y2}, {b.x2, b.y2}}) {
            ScreenSession s(language);
            Reach(s, a.screen);
            s.Move(x, y);
            EXPECT_THAT(s.log().Lines(), ElementsAreArray(MarkCalls(a, language)))
                << a.name << " at (" << x << ", " << y << ")";
            EXPECT_TRUE(s.tmain().HighlightShown()) << a.name;
        }
    }
}

TEST_P(HoverAreas, OnePixelOutsideMarksNothing) {
    const Language language = GetParam();
    for (const HoverArea& a : kAreas) {
        const Box b = language == Language::Czech ? a.czech : a.english;
        const int mx = (b.x1 + b.x2) / 2;
        const int my = (b.y1 + b.y2) / 2;
        for (const auto& [x, y] :
             {std::pair{b.x1 - 1, my}, {b.x2 + 1, my}, {mx, b.y1 - 1}, {mx, b.y2 + 1}}) {
            ScreenSession s(language);
            Reach(s, a.screen);
            s.Move(x, y);
            EXPECT_THAT(s.log().Lines(), ElementsAre("Present"))
                << "(" << x << ", " << y << ") is outside the " << a.name << " area";
        }
    }
}

TEST_P(HoverAreas, LeavingForANeutralPointRemovesTheMark) {
    const Language language = GetParam();
    for (const HoverArea& a : kAreas) {
        const Box b = language == Language::Czech ? a.czech : a.english;
        ScreenSession s(language);
        Reach(s, a.screen);
        s.Move(b.x1, b.y1);
        s.log().Clear();
        s.Move(-5, -5);
        EXPECT_FALSE(s.tmain().HighlightShown()) << a.name;
        const std::vector<std::string>& calls = s.log().Lines();
        switch (a.screen) {
        case Screen::Menu:
            EXPECT_THAT(calls, ElementsAre("DrawImage 0 0 0 0", "Pointer.Shape arrow", "Present"))
                << a.name;
            break;
        case Screen::PlayerSetup:
            EXPECT_THAT(calls, ElementsAre("DrawImage 6 0 0 0", "Pointer.Shape arrow", "Present"))
                << a.name;
            break;
        case Screen::Game:
            ASSERT_GE(calls.size(), 3u) << a.name;
            EXPECT_EQ(calls.front(), "DrawImage 15 0 0 0") << "the game screen is redrawn whole";
            EXPECT_THAT(std::vector(calls.end() - 2, calls.end()),
                        ElementsAre("Present", "Present"));
            break;
        case Screen::Highscore:
            ASSERT_GE(calls.size(), 3u) << a.name;
            EXPECT_EQ(calls.front(), "DrawImage 22 0 0 0") << "the highscore screen is redrawn";
            EXPECT_THAT(std::vector(calls.end() - 2, calls.end()),
                        ElementsAre("Present", "Present"));
            break;
        default:
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HoverAreas,
                         ::testing::Values(Language::Czech, Language::English),
                         [](const auto& info) {
                             return info.param == Language::Czech ? "Czech" : "English";
                         });

class HoverRules : public ::testing::Test {
protected:
    void SetUp() override { folder_.WriteCompleteSet(""); }
    testsupport::WorkingFolder folder_;
};

TEST_F(HoverRules, AnExistingMarkIsNotReplacedUntilANeutralPoint) {
    ScreenSession s(Language::Czech);
    s.Move(200, 45); // new game
    s.log().Clear();
    s.Move(150, 130); // straight onto the rules button
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present")) << "the new-game mark stays";
    s.Move(150, 90); // neutral
    s.Move(150, 130);
    EXPECT_EQ(s.log().Count("DrawImage 2 79 116 0"), 1) << s.log().Text();
}

TEST_F(HoverRules, ClicksThatChangeTheScreenClearTheFlag) {
    for (const Language language : {Language::Czech, Language::English}) {
        ScreenSession s(language);
        const auto& p = testsupport::PointsOf(language);
        s.Click(p.newGameX, p.newGameY); // the new-game mark is shown, then setup entered
        ASSERT_EQ(s.tmain().CurrentScreen(), Screen::PlayerSetup);
        EXPECT_FALSE(s.tmain().HighlightShown());
        s.log().Clear();
        s.Move(p.startX, p.startY);
        EXPECT_EQ(s.log().Count("DrawImage 8 "), 1) << "the first area entered is marked at once";
        s.Click(p.setupBackX, p.setupBackY); // back: flag cleared again
        EXPECT_FALSE(s.tmain().HighlightShown());
    }
}

TEST_F(HoverRules, AnAbandonedGameLeavesTheFlagSetOnTheMenu) {
    ScreenSession s(Language::Czech);
    s.StartGame(1);
    s.Move(152, 103); // the throw button is marked
    ASSERT_TRUE(s.tmain().HighlightShown());
    s.CloseRequest();
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(s.tmain().HighlightShown());
    s.log().Clear();
    s.Move(200, 45);
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present")) << "not marked before a neutral point";
    s.Move(150, 90);
    EXPECT_THAT(s.log().Lines(),
                ElementsAre("Present", "DrawImage 0 0 0 0", "Pointer.Shape arrow", "Present"));
    s.Move(200, 45);
    EXPECT_EQ(s.log().Count("DrawImage 1 154 31 0"), 1);
}

TEST_F(HoverRules, BackToMenuFromAMarkedButtonKeepsTheFlag) {
    ScreenSession s(Language::Czech);
    s.ToHighscore();
    s.Move(338, 285);
    s.Click(338, 285);
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(s.tmain().HighlightShown());
    s.log().Clear();
    s.Move(300, 280); // the on-line table link: the cursor stays the arrow
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present"));
    EXPECT_EQ(s.services().pointer().Shape(), media::PointerShape::Arrow);
}

TEST_F(HoverRules, DiceAndCellsNeverSound) {
    ScreenSession s(Language::English);
    s.StartGame(1);
    s.log().Clear();
    for (int die = 1; die <= 6; ++die) {
        s.Move(25 + 50 * (die - 1), 67);
    }
    for (int cell = 1; cell <= 13; ++cell) {
        s.Move(60, 163 + 15 * (cell - 1));
    }
    EXPECT_EQ(s.log().Count("PlaySound"), 0) << s.log().Text();
    EXPECT_FALSE(s.tmain().HighlightShown());
}

TEST_F(HoverRules, EndScreenAndWaitOnlyStoreThePositionAndPresent) {
    ScreenSession s(Language::Czech);
    s.StartGame(1);
    s.FinishGame();
    ASSERT_EQ(s.tmain().CurrentScreen(), Screen::GameEnd);
    s.log().Clear();
    s.Move(152, 103); // over the throw button
    s.Move(424, 54);  // over the pass button
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present", "Present"));
    EXPECT_EQ(s.tmain().MouseX(), 424);
    EXPECT_EQ(s.tmain().MouseY(), 54);
    s.tmain().SetCurrentScreen(Screen::Wait);
    s.log().Clear();
    s.Move(152, 103);
    EXPECT_THAT(s.log().Lines(), ElementsAre("Present"));
}

} // namespace
} // namespace sixdice::ui
