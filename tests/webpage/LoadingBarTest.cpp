// The loading bar: how much of it the bytes fill, and what it looks like on a canvas.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/LoadingBar.h"

#include "media/testing/RecordingServices.h"
#include "media/widgets/WidgetLook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sixdice::platform::web {
namespace {

TEST(FilledWidth, GrowsWithTheBytesAndIsFullOnlyAtTheEnd) {
    EXPECT_EQ(FilledWidth(0, 1000, 200), 0);
    EXPECT_EQ(FilledWidth(1, 1000, 200), 0);
    EXPECT_EQ(FilledWidth(500, 1000, 200), 100);
    EXPECT_EQ(FilledWidth(999, 1000, 200), 199);
    EXPECT_EQ(FilledWidth(1000, 1000, 200), 200);
    // More than announced, or nothing announced: full, never beyond.
    EXPECT_EQ(FilledWidth(5000, 1000, 200), 200);
    EXPECT_EQ(FilledWidth(10, 0, 200), 200);
    EXPECT_EQ(FilledWidth(10, 1000, 0), 0);
    // Bytes beyond 32 bits (a long session of fetches) do not overflow.
    EXPECT_EQ(FilledWidth(3'000'000'000ULL, 6'000'000'000ULL, 200), 100);
}

TEST(LoadingBarBox, LiesCentredInsideBothLayouts) {
    for (const media::Size size : {media::Size{400, 300}, media::Size{547, 448}}) {
        const media::Rect box = LoadingBarBox(size);
        // Centred to the pixel: an odd margin leaves one more pixel on the right.
        EXPECT_GE(size.width - (box.x * 2 + box.width), 0);
        EXPECT_LE(size.width - (box.x * 2 + box.width), 1);
        EXPECT_GT(box.y, size.height / 2);
        EXPECT_LT(box.y + box.height, size.height);
    }
}

std::uint32_t Word(media::Rgb c) {
    return std::uint32_t(c.red) << 16 | std::uint32_t(c.green) << 8 | c.blue;
}

TEST(DrawLoadingBar, FillsWithGoldFromTheLeftOverTheFelt) {
    media::testing::RecordingServices services;
    media::Dialog& canvas = services.dialog();
    ASSERT_EQ(canvas.Open("bar", {400, 300}), std::nullopt);
    DrawLoadingBar(canvas, 250, 1000, /*clearFirst=*/true);
    const media::Picture picture = canvas.Capture();
    ASSERT_EQ(picture.width, 400);
    const media::Rect box = LoadingBarBox({400, 300});
    const auto at = [&](int x, int y) { return picture.pixels[std::size_t(y) * 400 + x]; };
    namespace look = media::widgets::look;
    EXPECT_EQ(at(0, 0), Word(look::kFelt));
    const int middle = box.y + box.height / 2;
    const int inside = box.width - 4;
    const int left = box.x + 2;
    // A quarter of the inside is gold (its middle row the gradient's middle), the rest felt.
    EXPECT_EQ(at(left, middle), at(left + inside / 4 - 1, middle));
    EXPECT_NE(at(left, middle), Word(look::kFelt));
    EXPECT_EQ(at(left + inside / 4, middle), Word(look::kFelt));
    EXPECT_EQ(at(left + inside - 1, middle), Word(look::kFelt));
}

TEST(ClearLoadingBar, LeavesNothingButTheFelt) {
    media::testing::RecordingServices services;
    media::Dialog& canvas = services.dialog();
    ASSERT_EQ(canvas.Open("bar", {547, 448}), std::nullopt);
    DrawLoadingBar(canvas, 1000, 1000, /*clearFirst=*/true);
    ClearLoadingBar(canvas);
    const media::Picture picture = canvas.Capture();
    ASSERT_EQ(picture.pixels.size(), std::size_t(547) * 448);
    const std::uint32_t felt = Word(media::widgets::look::kFelt);
    EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), felt),
              std::ptrdiff_t(picture.pixels.size()));
}

} // namespace
} // namespace sixdice::platform::web
