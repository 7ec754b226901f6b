// Random input soak: thousands of random clicks, movements, keys, typing, close requests and timer
// ticks in both languages, driven through the same event path as the message loop, with the
// screen, layout, controls and rules checked against each other after every event.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRects.h"
#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/ui/support/ScreenSession.h"
#include "tests/ui/support/SyntheticAssets.h"
#include "ui/LanguageTexts.h"
#include "ui/ScreenTables.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace sixdice::ui {
namespace {

using game::Language;
using game::Screen;
using testsupport::ScreenSession;

// The sanitizer build walks a shorter way: it is there for memory faults, which the first
// thousands of events meet as well, and runs several times slower.
#ifdef SIXDICE_SOAK_EVENTS
constexpr int kEventsPerLanguage = SIXDICE_SOAK_EVENTS;
#else
constexpr int kEventsPerLanguage = 10000;
#endif

bool LargeScreen(Screen screen) {
    return screen == Screen::Game || screen == Screen::Wait || screen == Screen::GameEnd;
}

class Soak {
public:
    explicit Soak(Language language, std::uint32_t seed) : language_(language), random_(seed) {
        Restart();
    }

    // One random event; returns false once an invariant failed.
    bool Step(int n) {
        const std::string what = NextEvent();
        recent_.push_back(std::to_string(n) + ": " + what);
        if (recent_.size() > 30) {
            recent_.pop_front();
        }
        if (session_->tmain().Closed()) {
            ++closes_;
            Restart();
            return true;
        }
        return Check();
    }

    std::map<Screen, int> visits;
    int closes_ = 0;
    int gamesEnded = 0;
    int formsOpened = 0;
    int resultsSent = 0;

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Restart() { session_ = std::make_unique<ScreenSession>(language_); }

    // A point inside a random area of the current screen, a cell of the player on turn, or
    // anywhere on the surface (a little beyond its edges too).
    std::pair<int, int> Target() {
        ScreenSession& s = *session_;
        const Screen screen = s.tmain().CurrentScreen();
        const ScreenTable& table = TableOf(*s.tmain().CurrentLanguage(), screen);
        const int choice = Below(10);
        if (choice < 5 && !table.areas.empty()) {
            const ScreenArea& area = table.areas[std::size_t(Below(int(table.areas.size())))];
            return {area.click.x1 + Below(area.click.x2 - area.click.x1 + 1),
                    area.click.y1 + Below(area.click.y2 - area.click.y1 + 1)};
        }
        if (choice < 8 && screen == Screen::Game) {
            const game::Rect cell =
                game::SheetCell(std::max(1, s.tmain().State().CurrentPlayer), 1 + Below(13));
            return {cell.x1 + Below(cell.x2 - cell.x1 + 1), cell.y1 + Below(cell.y2 - cell.y1 + 1)};
        }
        if (choice < 9 && screen == Screen::PlayerSetup) {
            // The controls: the boxes at x 250, the buttons at (10, 40) and (115, 40).
            return {Below(380), 38 + Below(132)};
        }
        return {-10 + Below(table.width + 20), -10 + Below(table.height + 20)};
    }

    // A player who means it: writes what a throw offers, else throws, else passes, through
    // clicks like any other.
    std::string PlayOn() {
        ScreenSession& s = *session_;
        const game::GameState& state = s.tmain().State();
        const Language language = *s.tmain().CurrentLanguage();
        std::vector<int> offered;
        for (int cell = 1; cell <= game::CellCount; ++cell) {
            if (state.Entry(cell) > 0) {
                offered.push_back(cell);
            }
        }
        game::Rect target;
        std::string what;
        if (!offered.empty()) {
            target = game::SheetCell(state.CurrentPlayer,
                                     offered[std::size_t(Below(int(offered.size())))]);
            what = "write";
        } else if (state.CurrentSheet().TurnThrows() + state.CurrentSheet().ReserveThrows() > 0) {
            target = AreaOf(language, AreaId::Throw).click;
            what = "throw";
            // The dice follow the clock; a lucky moment now and then lets games reach their end.
            if (Below(2) == 0 && ChooseLuckyMoment()) {
                what = "lucky throw";
            }
        } else {
            target = AreaOf(language, AreaId::Pass).click;
            what = "pass";
        }
        const int x = target.x1 + Below(target.x2 - target.x1 + 1);
        const int y = target.y1 + Below(target.y2 - target.y1 + 1);
        s.Click(x, y);
        return what + " at " + std::to_string(x) + "," + std::to_string(y);
    }

    // An event of the e-mail form's window: typing, its keys, its button, its close box.
    std::string FormEvent(int kind) {
        ScreenSession& s = *session_;
        media::InputEvent e;
        e.window = media::EventWindow::Dialog;
        if (kind < 30) {
            static const char* texts[] = {"a", "+", "@", "ř", "😀", ".cz", " "};
            e.kind = media::EventKind::TextInput;
            e.text = texts[Below(7)];
            s.Handle(e);
            return "type in the form";
        }
        if (kind < 50) {
            static const media::Key keys[] = {media::Key::Return, media::Key::Escape,
                                              media::Key::Tab, media::Key::Backspace,
                                              media::Key::Space};
            e.key = keys[Below(5)];
            e.kind = media::EventKind::KeyDown;
            s.Handle(e);
            e.kind = media::EventKind::KeyUp;
            s.Handle(e);
            return "key in the form";
        }
        if (kind < 62) {
            const int x = Below(356), y = Below(117);
            for (auto k : {media::EventKind::MouseMove, media::EventKind::MouseDown,
                           media::EventKind::MouseUp, media::EventKind::Click}) {
                e.kind = k;
                e.x = Below(4) == 0 ? 177 : x; // the send button now and then
                e.y = Below(4) == 0 ? 89 : y;
                e.button = 1;
                e.clicks = 1;
                s.Handle(e);
            }
            return "click in the form";
        }
        e.kind = media::EventKind::CloseRequest;
        s.Handle(e);
        return "the form's close box";
    }

    // Sets the clock to a time of day whose throw offers a free cell of the player on turn.
    bool ChooseLuckyMoment() {
        ScreenSession& s = *session_;
        const game::GameState& state = s.tmain().State();
        for (int attempt = 0; attempt < 200000; ++attempt) {
            const auto moment = std::uint32_t(Below(86'400'000));
            game::GameState trial = state;
            game::Random dice(moment);
            for (int die = 1; die <= game::DiceCount; ++die) {
                if (!trial.Held(die)) {
                    trial.Die(die) = dice.NextFace();
                }
            }
            game::LoadActiveSheet(trial);
            game::EvaluateThrow(trial);
            for (int cell = 1; cell <= game::CellCount; ++cell) {
                if (trial.Entry(cell) > 0) {
                    s.clock().Set(moment);
                    return true;
                }
            }
        }
        return false;
    }

    std::string NextEvent() {
        ScreenSession& s = *session_;
        // The dice follow the clock: a new time of day for every event.
        s.clock().Set(std::uint32_t(Below(86'400'000)));
        int kind = Below(100);
        if (s.tmain().CurrentScreen() == Screen::Game && Below(10) < 6) {
            return PlayOn();
        }
        // Games are abandoned rarely, so that many of them reach their end.
        if (kind >= 88 && kind < 91 && s.tmain().CurrentScreen() == Screen::Game &&
            Below(10) != 0) {
            kind = 95;
        }
        if (s.tmain().Email().Visible() && kind < 70) {
            return FormEvent(kind);
        }
        if (kind < 45) {
            const auto [x, y] = Target();
            s.Click(x, y);
            return "click " + std::to_string(x) + "," + std::to_string(y);
        }
        if (kind < 75) {
            const auto [x, y] = Target();
            s.Move(x, y);
            return "move " + std::to_string(x) + "," + std::to_string(y);
        }
        if (kind < 82) {
            static const media::Key keys[] = {
                media::Key::Tab,  media::Key::Backspace, media::Key::Delete, media::Key::Left,
                media::Key::Home, media::Key::End,       media::Key::Return, media::Key::Other};
            media::Modifiers mods;
            mods.shift = Below(4) == 0;
            s.Key(keys[Below(8)], mods);
            return "key";
        }
        if (kind < 88) {
            static const char* texts[] = {"a", "č", "Ř", "ů", " ", "Z", "€", "😀", "ab"};
            s.Type(texts[Below(9)]);
            return "type";
        }
        if (kind < 91) {
            s.CloseRequest();
            return "close request";
        }
        // Time passes: the one-second timer of a stuck player and the music loop run.
        s.services().AdvanceClock(std::uint64_t(100 + Below(1200)));
        s.tmain().RunDueTimers(s.services().Now());
        return "time";
    }

    bool Check() {
        CheckAgreement();
        return !::testing::Test::HasFailure();
    }

    void CheckAgreement() {
        ScreenSession& s = *session_;
        const Tmain& t = s.tmain();
        const Screen screen = t.CurrentScreen();
        ++visits[screen];
        if (screen == Screen::GameEnd && lastScreen_ != Screen::GameEnd) {
            ++gamesEnded;
        }
        if (t.Email().Visible() && !formVisible_) {
            ++formsOpened;
        }
        formVisible_ = t.Email().Visible();
        if (t.Highscore().ScoreSent && !sentBefore_) {
            ++resultsSent;
        }
        sentBefore_ = t.Highscore().ScoreSent;
        lastScreen_ = screen;
        std::string trail;
        for (const std::string& step : recent_) {
            trail += "\n  " + step;
        }
        SCOPED_TRACE("last events:" + trail);

        const media::Layout layout = s.services().window().CurrentLayout();
        EXPECT_EQ(layout, LargeScreen(screen) ? media::Layout::Large : media::Layout::Small);
        EXPECT_EQ(t.CloseAllowed(), screen == Screen::Menu) << "screen " << int(screen);
        EXPECT_EQ(t.PassTimerEnabled(), screen == Screen::Wait);
        EXPECT_EQ(s.services().pointer().IsVisible(), screen != Screen::Wait);
        EXPECT_TRUE(!t.Email().Visible() || screen == Screen::Highscore);
        ASSERT_TRUE(t.CurrentLanguage().has_value());
        const Language language = *t.CurrentLanguage();
        EXPECT_EQ(s.services().window().Caption(), ProductTitle(language));

        const SetupControls& c = t.Setup();
        const game::GameState& state = t.State();
        if (screen == Screen::PlayerSetup) {
            const Texts& texts = TextsOf(language);
            EXPECT_TRUE(c.ButtonsVisible());
            EXPECT_EQ(c.AddEnabled(), state.PlayerCount < 4);
            EXPECT_EQ(c.RemoveEnabled(), state.PlayerCount > 1);
            for (int box = 1; box <= SetupControls::BoxCount; ++box) {
                EXPECT_EQ(c.BoxVisible(box), box <= state.PlayerCount) << "box " << box;
                if (box > state.PlayerCount) {
                    EXPECT_EQ(c.Name(box), texts.defaultNames[std::size_t(box - 1)]);
                }
                EXPECT_LE(c.NameLength(box), SetupControls::NameLimit);
            }
        } else {
            EXPECT_FALSE(c.AnyVisible());
        }

        if (LargeScreen(screen)) {
            EXPECT_GE(state.PlayerCount, 1);
            EXPECT_LE(state.PlayerCount, 4);
            EXPECT_GE(state.CurrentPlayer, 1);
            EXPECT_LE(state.CurrentPlayer, state.PlayerCount);
            for (int p = 1; p <= state.PlayerCount; ++p) {
                const game::PlayerSheet& sheet = state.Sheet(p);
                EXPECT_EQ(sheet.LineCount(), game::SheetLineCount);
                EXPECT_GE(sheet.TurnThrows(), 0);
                EXPECT_LE(sheet.TurnThrows(), 3);
                EXPECT_GE(sheet.ReserveThrows(), 0);
                EXPECT_GE(sheet.ThrowCount(), 0);
                for (int cell = 1; cell <= game::CellCount; ++cell) {
                    if (!sheet.IsFree(cell)) {
                        EXPECT_GT(sheet.Number(game::CellLine(cell)), 0);
                    }
                }
            }
            for (int die = 1; die <= game::DiceCount; ++die) {
                EXPECT_TRUE(state.Die(die) != 0 || !state.Held(die)) << "an unthrown die is held";
            }
            for (int cell = 1; cell <= game::CellCount; ++cell) {
                if (state.Entry(cell) > 0) {
                    EXPECT_TRUE(state.CurrentSheet().IsFree(cell)) << "a written cell is offered";
                }
            }
            EXPECT_EQ(state.GameOver, screen == Screen::GameEnd);
        }
    }

    Language language_;
    std::mt19937 random_;
    std::unique_ptr<ScreenSession> session_;
    std::deque<std::string> recent_;
    Screen lastScreen_ = Screen::Menu;
    bool formVisible_ = false;
    bool sentBefore_ = false;
};

class RandomInput : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        ::unsetenv("SIXDICE_SCORE_SERVER");
    }
    testsupport::WorkingFolder folder_;
};

TEST_P(RandomInput, EveryEventLeavesTheScreensControlsAndRulesInAgreement) {
    Soak soak(GetParam(), GetParam() == Language::Czech ? 20261208u : 8121962u);
    for (int n = 0; n < kEventsPerLanguage; ++n) {
        if (!soak.Step(n)) {
            FAIL() << "stopped at event " << n;
        }
    }
    // The walk reached every screen, ended games and opened the form, or it proved little.
    for (const Screen screen :
         {Screen::Menu, Screen::PlayerSetup, Screen::Game, Screen::GameEnd, Screen::Highscore}) {
        EXPECT_GT(soak.visits[screen], 0) << "screen " << int(screen) << " never reached";
    }
    EXPECT_GT(soak.gamesEnded, 0);
    EXPECT_GT(soak.formsOpened, 0);
    EXPECT_GT(soak.resultsSent, 0) << "no result was sent through the form's own events";
    std::cout << "screens: menu " << soak.visits[Screen::Menu] << ", setup "
              << soak.visits[Screen::PlayerSetup] << ", game " << soak.visits[Screen::Game]
              << ", wait " << soak.visits[Screen::Wait] << ", end " << soak.visits[Screen::GameEnd]
              << ", highscore " << soak.visits[Screen::Highscore] << "; games ended "
              << soak.gamesEnded << ", forms opened " << soak.formsOpened << ", results sent "
              << soak.resultsSent << ", program closed " << soak.closes_ << " times\n";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RandomInput,
                         ::testing::Values(Language::Czech, Language::English),
                         [](const auto& info) {
                             return info.param == Language::Czech ? "Czech" : "English";
                         });

} // namespace
} // namespace sixdice::ui
