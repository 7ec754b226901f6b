// The hot-area tables: both languages alike in shape, rectangles as the rules and the art expect.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScreenTables.h"

#include "game/GameRects.h"
#include "ui/Catalogue.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace sixdice::game {
// Failure messages show a rectangle as the game writes it.
std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "[" << r.x1 << ".." << r.x2 << "] x [" << r.y1 << ".." << r.y2 << "]";
}
} // namespace sixdice::game

namespace sixdice::ui {
namespace {

using game::Language;
using game::Rect;
using game::Screen;
namespace image = catalogue::image;

constexpr Language kLanguages[] = {Language::Czech, Language::English};
constexpr Screen kScreens[] = {Screen::Menu, Screen::PlayerSetup, Screen::Game,
                               Screen::Wait, Screen::GameEnd,     Screen::Highscore};

std::string Where(Language language, const ScreenArea& area) {
    return std::string(language == Language::Czech ? "Czech" : "English") + " area " +
           std::to_string(int(area.id));
}

bool Inside(const Rect& inner, const Rect& outer) {
    return outer.x1 <= inner.x1 && inner.x2 <= outer.x2 && outer.y1 <= inner.y1 &&
           inner.y2 <= outer.y2;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

TEST(ScreenTables, CzechAndEnglishHaveTheSameAreasInTheSameOrder) {
    for (const Screen screen : kScreens) {
        const ScreenTable& czech = TableOf(Language::Czech, screen);
        const ScreenTable& english = TableOf(Language::English, screen);
        EXPECT_EQ(czech.screen, screen);
        EXPECT_EQ(english.screen, screen);
        EXPECT_EQ(czech.width, english.width) << "screen " << int(screen);
        EXPECT_EQ(czech.height, english.height) << "screen " << int(screen);
        EXPECT_EQ(czech.background, english.background) << "screen " << int(screen);
        ASSERT_EQ(czech.areas.size(), english.areas.size()) << "screen " << int(screen);
        for (std::size_t i = 0; i < czech.areas.size(); ++i) {
            EXPECT_EQ(czech.areas[i].id, english.areas[i].id)
                << "screen " << int(screen) << " #" << i;
            EXPECT_EQ(czech.areas[i].mark, english.areas[i].mark)
                << "screen " << int(screen) << " #" << i;
            EXPECT_EQ(czech.areas[i].highlight, english.areas[i].highlight)
                << "screen " << int(screen) << " #" << i;
        }
    }
}

TEST(ScreenTables, EveryAreaIsFoundOnItsScreen) {
    for (const Language language : kLanguages) {
        for (const Screen screen : kScreens) {
            for (const ScreenArea& area : TableOf(language, screen).areas) {
                EXPECT_EQ(&AreaOf(language, area.id), &area) << Where(language, area);
            }
        }
    }
}

TEST(ScreenTables, LayoutAndBackgroundOfEachScreen) {
    struct Expected {
        Screen screen;
        int width, height, background;
        bool redraws;
        std::size_t areas;
    };
    const Expected expected[] = {
        {Screen::Menu, 400, 300, image::Menu, true, 6},
        {Screen::PlayerSetup, 400, 300, image::PlayerSetup, true, 2},
        {Screen::Game, 547, 448, image::Board, false, 10},
        {Screen::Wait, 547, 448, image::Board, false, 0},
        {Screen::GameEnd, 547, 448, image::Board, false, 0},
        {Screen::Highscore, 400, 300, image::Highscore, false, 2},
    };
    for (const Language language : kLanguages) {
        for (const Expected& e : expected) {
            const ScreenTable& table = TableOf(language, e.screen);
            EXPECT_EQ(table.width, e.width) << "screen " << int(e.screen);
            EXPECT_EQ(table.height, e.height) << "screen " << int(e.screen);
            EXPECT_EQ(table.background, e.background) << "screen " << int(e.screen);
            EXPECT_EQ(table.markRedrawsBackground, e.redraws) << "screen " << int(e.screen);
            EXPECT_EQ(table.areas.size(), e.areas) << "screen " << int(e.screen);
        }
    }
}

TEST(ScreenTables, HoverEqualsClickExceptTheFlagAndTheEnglishStart) {
    // The flag hovers one pixel further right than it clicks; the English start one pixel further
    // left. Everywhere else hovering and clicking meet the same rectangle.
    for (const Language language : kLanguages) {
        for (const Screen screen : kScreens) {
            for (const ScreenArea& area : TableOf(language, screen).areas) {
                if (area.mark == HoverMark::None) {
                    continue;
                }
                EXPECT_TRUE(Inside(area.click, area.hover))
                    << Where(language, area) << ": hover " << area.hover << " click " << area.click;
                Rect widened = area.click;
                if (area.id == AreaId::LanguageFlag) {
                    widened.x2 += 1;
                } else if (area.id == AreaId::SetupStart && language == Language::English) {
                    widened.x1 -= 1;
                }
                EXPECT_EQ(area.hover, widened) << Where(language, area);
            }
        }
    }
}

TEST(ScreenTables, AreasOfAScreenNeverOverlap) {
    // With no overlap at most one area acts on a click, whatever order the areas are tested in.
    for (const Language language : kLanguages) {
        for (const Screen screen : kScreens) {
            const auto areas = TableOf(language, screen).areas;
            for (std::size_t i = 0; i < areas.size(); ++i) {
                for (std::size_t j = i + 1; j < areas.size(); ++j) {
                    EXPECT_FALSE(Overlap(areas[i].click, areas[j].click))
                        << Where(language, areas[i]) << " and " << Where(language, areas[j]);
                    const bool bothHover =
                        areas[i].mark != HoverMark::None && areas[j].mark != HoverMark::None;
                    EXPECT_FALSE(bothHover && Overlap(areas[i].hover, areas[j].hover))
                        << Where(language, areas[i]) << " and " << Where(language, areas[j]);
                }
            }
        }
    }
}

TEST(ScreenTables, AreasAndHighlightsLieWithinTheirScreen) {
    // Rectangles may end one pixel past the surface (the on-line table link runs to 400 x 300);
    // a highlight sits on its own button, at most a few pixels off its area's corner.
    constexpr int slack = 3;
    for (const Language language : kLanguages) {
        for (const Screen screen : kScreens) {
            const ScreenTable& table = TableOf(language, screen);
            const Rect surface{0, table.width, 0, table.height};
            for (const ScreenArea& area : table.areas) {
                EXPECT_TRUE(Inside(area.click, surface))
                    << Where(language, area) << " " << area.click;
                if (area.mark != HoverMark::Highlight) {
                    EXPECT_EQ(area.highlight, -1) << Where(language, area);
                    continue;
                }
                EXPECT_TRUE(Inside(area.hover, surface))
                    << Where(language, area) << " " << area.hover;
                const Position at = area.highlightAt;
                const Rect pixels{0, table.width - 1, 0, table.height - 1};
                EXPECT_TRUE(pixels.Contains(at.x, at.y))
                    << Where(language, area) << " highlight at " << at.x << ", " << at.y;
                EXPECT_LE(std::abs(at.x - area.hover.x1), slack) << Where(language, area);
                EXPECT_LE(std::abs(at.y - area.hover.y1), slack) << Where(language, area);
            }
        }
    }
}

TEST(ScreenTables, EachHighlightIsItsButtonsImageAndSound) {
    struct Expected {
        AreaId id;
        int image;
        bool sound;
    };
    const Expected expected[] = {
        {AreaId::NewGame, image::MenuNewGameHighlight, true},
        {AreaId::Rules, image::MenuRulesHighlight, true},
        {AreaId::Exit, image::MenuExitHighlight, true},
        {AreaId::AuthorMail, image::MenuMailHighlight, true},
        {AreaId::SetupBack, image::SetupBackHighlight, true},
        {AreaId::SetupStart, image::SetupStartHighlight, true},
        {AreaId::WebLink1, image::WebLink1Highlight, true},
        {AreaId::WebLink2, image::WebLink2Highlight, true},
        {AreaId::Throw, image::ThrowHighlight, false},
        {AreaId::Pass, image::PassHighlight, false},
        {AreaId::SendOnline, image::HighscoreSendHighlight, true},
        {AreaId::BackToMenu, image::HighscoreBackHighlight, true},
    };
    for (const Language language : kLanguages) {
        for (const Expected& e : expected) {
            const ScreenArea& area = AreaOf(language, e.id);
            EXPECT_EQ(area.mark, HoverMark::Highlight) << Where(language, area);
            EXPECT_EQ(area.highlight, e.image) << Where(language, area);
            EXPECT_EQ(area.hoverSound, e.sound) << Where(language, area);
        }
        for (const AreaId id : {AreaId::OnlineTable, AreaId::LanguageFlag}) {
            EXPECT_EQ(AreaOf(language, id).mark, HoverMark::HandCursor) << int(id);
            EXPECT_FALSE(AreaOf(language, id).hoverSound) << int(id);
        }
        for (int die = 1; die <= 6; ++die) {
            const ScreenArea& area = AreaOf(language, AreaId(int(AreaId::Die1) + die - 1));
            EXPECT_EQ(DieOf(area.id), die);
            EXPECT_EQ(area.mark, HoverMark::None) << "die " << die;
            EXPECT_FALSE(area.hover.Contains(area.click.x1, area.click.y1)) << "die " << die;
        }
    }
}

TEST(ScreenTables, GameButtonsAndDiceAreTheRulesOwnRectangles) {
    for (const Language language : kLanguages) {
        const game::LanguageRects rules = game::GameScreenRects(language);
        EXPECT_EQ(AreaOf(language, AreaId::Throw).click, rules.throwButton);
        EXPECT_EQ(AreaOf(language, AreaId::Pass).click, rules.passButton);
        for (int die = 1; die <= 6; ++die) {
            EXPECT_EQ(AreaOf(language, AreaId(int(AreaId::Die1) + die - 1)).click,
                      game::DieRect(die))
                << "die " << die;
        }
    }
    EXPECT_EQ(AreaOf(Language::Czech, AreaId::Throw).click, (Rect{80, 224, 94, 113}));
    EXPECT_EQ(AreaOf(Language::English, AreaId::Throw).click, (Rect{82, 208, 94, 109}));
    EXPECT_EQ(AreaOf(Language::Czech, AreaId::Pass).click, (Rect{325, 523, 43, 65}));
    EXPECT_EQ(AreaOf(Language::English, AreaId::Pass).click, (Rect{349, 499, 43, 65}));
    EXPECT_EQ(AreaOf(Language::English, AreaId::Die6).click, (Rect{260, 290, 52, 82}));
}

TEST(ScreenTablesLookup, EdgesOfTheAreasAreIncluded) {
    struct Case {
        Language language;
        Screen screen;
        int x, y;
        const ScreenArea* clicked;
        const ScreenArea* hovered;
    };
    const auto czech = [](AreaId id) { return &AreaOf(Language::Czech, id); };
    const auto english = [](AreaId id) { return &AreaOf(Language::English, id); };
    const Case cases[] = {
        // Before any movement the pointer stands at (0, 0), in no area of the menu.
        {Language::Czech, Screen::Menu, 0, 0, nullptr, nullptr},
        {Language::Czech, Screen::Menu, 32, 300, czech(AreaId::LanguageFlag),
         czech(AreaId::LanguageFlag)},
        {Language::Czech, Screen::Menu, 33, 276, nullptr, czech(AreaId::LanguageFlag)},
        {Language::Czech, Screen::Menu, 34, 276, nullptr, nullptr},
        {Language::English, Screen::Menu, 400, 300, english(AreaId::OnlineTable),
         english(AreaId::OnlineTable)},
        {Language::Czech, Screen::Menu, 154, 30, czech(AreaId::NewGame), czech(AreaId::NewGame)},
        {Language::English, Screen::Menu, 154, 30, nullptr, nullptr},
        {Language::English, Screen::PlayerSetup, 18, 252, nullptr, english(AreaId::SetupStart)},
        {Language::English, Screen::PlayerSetup, 19, 281, english(AreaId::SetupStart),
         english(AreaId::SetupStart)},
        {Language::Czech, Screen::PlayerSetup, 18, 249, czech(AreaId::SetupStart),
         czech(AreaId::SetupStart)},
        {Language::Czech, Screen::PlayerSetup, 17, 249, nullptr, nullptr},
        // The dice take clicks but never light up.
        {Language::Czech, Screen::Game, 40, 82, czech(AreaId::Die1), nullptr},
        {Language::Czech, Screen::Game, 41, 82, nullptr, nullptr},
        {Language::English, Screen::Game, 208, 109, english(AreaId::Throw), english(AreaId::Throw)},
        {Language::English, Screen::Game, 209, 109, nullptr, nullptr},
        {Language::Czech, Screen::Game, 209, 109, czech(AreaId::Throw), czech(AreaId::Throw)},
        {Language::English, Screen::Game, 325, 43, nullptr, nullptr},
        {Language::Czech, Screen::Game, 325, 43, czech(AreaId::Pass), czech(AreaId::Pass)},
        {Language::English, Screen::Highscore, 336, 279, nullptr, nullptr},
        {Language::English, Screen::Highscore, 337, 290, english(AreaId::BackToMenu),
         english(AreaId::BackToMenu)},
        {Language::Czech, Screen::Highscore, 180, 294, czech(AreaId::SendOnline),
         czech(AreaId::SendOnline)},
        // The wait and end screens answer no area at all.
        {Language::Czech, Screen::Wait, 100, 100, nullptr, nullptr},
        {Language::English, Screen::GameEnd, 20, 60, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const ScreenTable& table = TableOf(c.language, c.screen);
        EXPECT_EQ(ClickedArea(table, c.x, c.y), c.clicked)
            << "click at " << c.x << ", " << c.y << " on screen " << int(c.screen);
        EXPECT_EQ(HoveredArea(table, c.x, c.y), c.hovered)
            << "hover at " << c.x << ", " << c.y << " on screen " << int(c.screen);
    }
}

TEST(CatalogueHighlights, AreReadFromTheTables) {
    for (const Language language : kLanguages) {
        const catalogue::HighlightPositions h = catalogue::Highlights(language);
        EXPECT_EQ(h.menuExit, AreaOf(language, AreaId::Exit).highlightAt);
        EXPECT_EQ(h.setupStart, AreaOf(language, AreaId::SetupStart).highlightAt);
        EXPECT_EQ(h.webLink1, AreaOf(language, AreaId::WebLink1).highlightAt);
        EXPECT_EQ(h.webLink2, AreaOf(language, AreaId::WebLink2).highlightAt);
    }
    // Where the two languages' artwork places its highlights differently.
    const catalogue::HighlightPositions cz = catalogue::Highlights(Language::Czech);
    const catalogue::HighlightPositions en = catalogue::Highlights(Language::English);
    EXPECT_EQ(cz.menuNewGame, (Position{154, 31}));
    EXPECT_EQ(en.menuNewGame, (Position{155, 34}));
    EXPECT_EQ(cz.gameThrow, (Position{79, 93}));
    EXPECT_EQ(en.gameThrow, (Position{81, 93}));
    EXPECT_EQ(cz.gamePass, (Position{325, 43}));
    EXPECT_EQ(en.gamePass, (Position{348, 43}));
    EXPECT_EQ(cz.highscoreBack, (Position{282, 277}));
    EXPECT_EQ(en.highscoreBack, (Position{336, 279}));
    EXPECT_EQ(cz.webLink1, (Position{44, 427}));
    EXPECT_EQ(en.webLink2, (Position{299, 427}));
}

} // namespace
} // namespace sixdice::ui
