// The one-second forced-pass timer: it fires once, and only while the window is the active one.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/TmainFixture.h"

namespace sixdice::ui {
namespace {

using testsupport::TmainTest;

class PassTimer : public TmainTest {
protected:
    void SetUp() override {
        folder_.WriteCompleteSet("");
        StartWindow({"0", "0", "EN"});
        game::NewGame(tmain_->State(), 1, {"Solo", "", "", ""});
        game::LoadActiveSheet(tmain_->State());
        tmain_->SetCurrentScreen(game::Screen::Wait);
        tmain_->HidePointer();
        tmain_->StartPassTimer();
        Log().Clear();
    }
    void Run(std::uint64_t milliseconds) {
        services_.AdvanceClock(milliseconds);
        tmain_->RunDueTimers(services_.Now());
    }
};

TEST_F(PassTimer, PassesTheTurnOneSecondLater) {
    EXPECT_EQ(tmain_->TimeToNextTimer(services_.Now()), 1000u);
    Run(999);
    EXPECT_TRUE(Log().Lines().empty()) << Log().Text();
    Run(1);
    EXPECT_FALSE(tmain_->PassTimerEnabled()) << "the timer fires once";
    EXPECT_EQ(tmain_->CurrentScreen(), game::Screen::Game);
    EXPECT_EQ(Log().Count("PlaySound 0 wait"), 1) << Log().Text();
    EXPECT_EQ(Log().Lines().back(), "Pointer.Show") << "the pointer returns after the sound";
    EXPECT_TRUE(services_.pointer().IsVisible());
    Log().Clear();
    Run(5000);
    EXPECT_TRUE(Log().Lines().empty()) << Log().Text();
}

TEST_F(PassTimer, CountsOnlyWhileTheWindowIsActive) {
    Run(600);
    tmain_->WindowDeactivated();
    EXPECT_EQ(tmain_->TimeToNextTimer(services_.Now()), std::nullopt)
        << "nothing to wake for while another program is active";
    Run(3000);
    EXPECT_EQ(tmain_->CurrentScreen(), game::Screen::Wait);
    tmain_->WindowActivated(services_.Now());
    Run(999);
    EXPECT_EQ(tmain_->CurrentScreen(), game::Screen::Wait) << "the second is counted anew";
    Run(1);
    EXPECT_EQ(tmain_->CurrentScreen(), game::Screen::Game);
}

} // namespace
} // namespace sixdice::ui
