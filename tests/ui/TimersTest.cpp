// The loop's timers: the 10 ms tick and the one-shot delay that counts only while active.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Timers.h"

#include <gtest/gtest.h>

namespace sixdice::ui {
namespace {

TEST(PeriodicTimer, TicksOnceAnIntervalAndDoesNotCatchUp) {
    PeriodicTimer timer(10);
    EXPECT_FALSE(timer.Take(100)) << "an unarmed timer never ticks";
    timer.Arm(100);
    EXPECT_EQ(timer.Deadline(), 110u);
    EXPECT_FALSE(timer.Take(109));
    EXPECT_TRUE(timer.Take(110));
    EXPECT_EQ(timer.Deadline(), 120u);
    // A handler blocked for 95 ms: one tick, then the regular rhythm again.
    EXPECT_TRUE(timer.Take(215));
    EXPECT_FALSE(timer.Take(220));
    EXPECT_EQ(timer.Deadline(), 225u);
    timer.Arm(220); // arming an armed timer keeps its rhythm
    EXPECT_EQ(timer.Deadline(), 225u);
    timer.Disarm();
    EXPECT_FALSE(timer.Take(1000));
}

TEST(OneShotTimer, FiresOnceTheIntervalHasPassedWhileActive) {
    OneShotTimer timer(1000);
    EXPECT_EQ(timer.Deadline(), std::nullopt) << "disabled at start";
    timer.Start(500);
    EXPECT_FALSE(timer.Due(1499));
    EXPECT_TRUE(timer.Due(1500));
    timer.Stop();
    EXPECT_FALSE(timer.Due(5000));
}

TEST(OneShotTimer, CountsAnewWhenTheProgramBecomesActiveAgain) {
    OneShotTimer timer(1000);
    timer.Start(0);
    timer.Deactivate();
    EXPECT_EQ(timer.Deadline(), std::nullopt);
    EXPECT_FALSE(timer.Due(5000)) << "no firing while another program is active";
    timer.Activate(5000);
    EXPECT_FALSE(timer.Due(5999));
    EXPECT_TRUE(timer.Due(6000));
    timer.Activate(5500); // already active: the count goes on
    EXPECT_TRUE(timer.Due(6000));
}

TEST(SleepUntilDeadline, WaitsForTheEarliestTimer) {
    EXPECT_EQ(SleepUntilDeadline(100, std::nullopt, std::nullopt), std::nullopt);
    EXPECT_EQ(SleepUntilDeadline(100, 110, std::nullopt), 10u);
    EXPECT_EQ(SleepUntilDeadline(100, std::nullopt, 1100), 1000u);
    EXPECT_EQ(SleepUntilDeadline(100, 1100, 105), 5u);
    EXPECT_EQ(SleepUntilDeadline(100, 90, 1100), 0u) << "an overdue timer: no sleep";
}

} // namespace
} // namespace sixdice::ui
