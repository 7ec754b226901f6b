// The linear congruential generator and its clock seeding.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Random.h"

#include <gtest/gtest.h>

namespace sixdice::game {
namespace {

TEST(Random, ThrowAtOneAndAHalfSecondsAfterMidnight) {
    FixedClock clock(TimeOfDay(0, 0, 1, 500));
    Random random(12345);
    random.Reseed(clock);
    EXPECT_EQ(random.State(), 1500u);
    EXPECT_EQ(random.NextFace(), 1);
    EXPECT_EQ(random.State(), 300256589u);
    // The rest of that throw, computed independently.
    const int faces[] = {4, 1, 5, 3, 2};
    for (int expected : faces) {
        EXPECT_EQ(random.NextFace(), expected);
    }
}

TEST(Random, StateWrapsModuloTwoToThe32nd) {
    Random random(0xFFFFFFFFu);
    random.Next(6);
    EXPECT_EQ(random.State(), 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(Random, DrawsStayInRange) {
    Random random(0);
    int seen[7] = {};
    for (int i = 0; i < 6000; ++i) {
        const int face = random.NextFace();
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++seen[face];
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_GT(seen[face], 800) << "face " << face << " hardly ever comes up";
    }
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(random.Next(10000), 10000u);
    }
}

TEST(Random, TimeOfDayCountsMillisecondsSinceMidnight) {
    EXPECT_EQ(TimeOfDay(0, 0, 0, 0), 0u);
    EXPECT_EQ(TimeOfDay(23, 59, 59, 999), 86399999u);
    EXPECT_EQ(TimeOfDay(12, 34, 56, 789), 45296789u);
    const std::uint32_t now = SystemClock().MillisecondsSinceMidnightUtc();
    EXPECT_LT(now, 86400000u);
}

} // namespace
} // namespace sixdice::game
