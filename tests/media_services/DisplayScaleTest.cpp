// The display scale: its sources in order, the values refused, the reduction to fit the screen.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/DisplayScale.h"

#include <gtest/gtest.h>

namespace sixdice::media {
namespace {

constexpr Size kLarge{553, 475};   // the game screen's window with its frame
constexpr Size kUhd{3840, 2160};   // room for four times
constexpr Size kLaptop{1366, 768}; // room for once only

TEST(DisplayScale, ParsesWholeNumbersFromOneToTheMost) {
    EXPECT_EQ(ParseScale("1"), 1);
    EXPECT_EQ(ParseScale("2"), 2);
    EXPECT_EQ(ParseScale("8"), 8);
    for (const char* refused :
         {"", "0", "-1", "9", "2.0", "1.5", " 2", "2x", "two", "99999999999"}) {
        EXPECT_EQ(ParseScale(refused), std::nullopt) << '"' << refused << '"';
    }
}

TEST(DisplayScale, TheFirstValidSourceDecides) {
    ScaleSources all{3, "2", "4", 288.0f};
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).scale, 3);
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).from, "--scale");
    all.option.reset();
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).scale, 2);
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).from, "SIXDICE_SCALE");
    all.game = "nonsense"; // an unusable value passes the choice on
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).scale, 4);
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).from, "GDK_SCALE");
    all.gdk.reset();
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).scale, 3);
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).from, "the display");
    all.displayDpi.reset();
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).scale, 1);
    EXPECT_EQ(ChooseScale(all, kLarge, kUhd).from, "default");
}

TEST(DisplayScale, TheDisplaysDotsPerInchRoundToTheNearlyWholeScale) {
    const auto at = [](float dpi) { return ChooseScale({{}, {}, {}, dpi}, kLarge, kUhd).scale; };
    EXPECT_EQ(at(96), 1);
    EXPECT_EQ(at(120), 1) << "a quarter more is still one";
    EXPECT_EQ(at(144), 1);
    EXPECT_EQ(at(168), 2) << "1.75 times counts as two";
    EXPECT_EQ(at(192), 2);
    EXPECT_EQ(at(288), 3);
    EXPECT_EQ(at(0), 1);
    EXPECT_EQ(at(-5), 1);
}

TEST(DisplayScale, AScaleThatDoesNotFitIsReduced) {
    const ScaleChoice uhd = ChooseScale({5, {}, {}, {}}, kLarge, kUhd);
    EXPECT_EQ(uhd.scale, 4) << "5 x 475 = 2375 rows do not fit 2160";
    EXPECT_TRUE(uhd.reduced);
    const ScaleChoice laptop = ChooseScale({2, {}, {}, {}}, kLarge, kLaptop);
    EXPECT_EQ(laptop.scale, 1);
    EXPECT_TRUE(laptop.reduced);
    const ScaleChoice tiny = ChooseScale({1, {}, {}, {}}, kLarge, {320, 240});
    EXPECT_EQ(tiny.scale, 1) << "never below one";
    EXPECT_FALSE(tiny.reduced);
    EXPECT_FALSE(ChooseScale({2, {}, {}, {}}, kLarge, {1106, 950}).reduced) << "exactly fits";
}

} // namespace
} // namespace sixdice::media
