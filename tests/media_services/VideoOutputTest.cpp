// Visible and invisible video outputs, and when the player's own choice of driver counts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/VideoOutput.h"

#include <gtest/gtest.h>

namespace sixdice::media {
namespace {

TEST(VideoOutput, OnlySdlsOffscreenAndDummyDriversAreInvisible) {
    for (const char* invisible : {"offscreen", "dummy", "evdev", "OFFSCREEN", "Dummy"})
        EXPECT_TRUE(InvisibleVideoDriver(invisible)) << invisible;
    for (const char* visible : {"x11", "wayland", "KMSDRM", "windows", "emscripten", "", "dumm"})
        EXPECT_FALSE(InvisibleVideoDriver(visible)) << visible;
}

TEST(VideoOutput, ARequestedDriverIsANameInTheCommaSeparatedList) {
    EXPECT_TRUE(VideoDriverRequested("offscreen", "offscreen"));
    EXPECT_TRUE(VideoDriverRequested("offscreen", "Offscreen"));
    EXPECT_TRUE(VideoDriverRequested("dummy", "x11, dummy"));
    EXPECT_TRUE(VideoDriverRequested("x11", " x11 ,wayland"));
    EXPECT_FALSE(VideoDriverRequested("offscreen", nullptr)) << "nothing asked for";
    EXPECT_FALSE(VideoDriverRequested("offscreen", ""));
    EXPECT_FALSE(VideoDriverRequested("offscreen", "x11,wayland")) << "a fall-back, not a choice";
    EXPECT_FALSE(VideoDriverRequested("dummy", "dummyx")) << "whole names only";
    EXPECT_FALSE(VideoDriverRequested("", "x11,")) << "an empty entry names no driver";
}

TEST(VideoOutput, WithoutADesktopTheWindowCannotBeShown) {
    EXPECT_EQ(DisplayProblemBeforeStart(true), "");
    EXPECT_NE(DisplayProblemBeforeStart(false).find("DISPLAY"), std::string::npos);
}

TEST(VideoOutput, AnInvisibleDriverIsAProblemUnlessItWasAskedFor) {
    EXPECT_EQ(DisplayProblemAfterStart("x11", nullptr), "");
    EXPECT_EQ(DisplayProblemAfterStart("wayland", "x11"), "") << "a visible fall-back is fine";
    const std::string problem = DisplayProblemAfterStart("offscreen", "x11,offscreen,dummy");
    EXPECT_EQ(problem, "");
    const std::string fellBack = DisplayProblemAfterStart("offscreen", "x11");
    EXPECT_NE(fellBack.find("\"offscreen\""), std::string::npos) << fellBack;
    EXPECT_NE(DisplayProblemAfterStart("dummy", nullptr), "");
}

} // namespace
} // namespace sixdice::media
