// The off-screen surface in the headless SDL build: images, patterns, keys, clipping, text,
// present.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessFixture.h"
#include "media/testing/PngFile.h"
#include "tests/support/BuildPaths.h"

#include <SDL.h>
#include <filesystem>
#include <unistd.h>

namespace sixdice::media::testing {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr std::uint32_t kFelt = 0x004000;

// 0: a 4x4 red square with a green centre keyed out (green = $0000FF00).
// 1: a 2x2 grid of 3x2 patterns with a 1-pixel gap, pattern k filled with colour k.
// 2: no picture. 3: the same square as 0, not transparent. 4: pattern larger than the picture.
// 5: a 10x10 felt background.
ImageList TestImages() {
    ImageList list;
    ImageEntry keyed;
    keyed.picture = Picture::Filled(4, 4, kRed);
    for (int y = 1; y < 3; ++y) {
        for (int x = 1; x < 3; ++x)
            keyed.picture.pixels[std::size_t(y) * 4 + x] = kGreen;
    }
    keyed.transparentColor = 0x0000FF00;
    list.entries.push_back(keyed);

    ImageEntry grid;
    grid.picture = Picture::Filled(7, 5, kWhite);
    const std::uint32_t colours[4] = {kRed, kGreen, kBlue, 0x123456};
    for (int k = 0; k < 4; ++k) {
        const int x0 = (k % 2) * 4, y0 = (k / 2) * 3;
        for (int y = y0; y < y0 + 2; ++y) {
            for (int x = x0; x < x0 + 3; ++x)
                grid.picture.pixels[std::size_t(y) * 7 + x] = colours[k];
        }
    }
    grid.patternWidth = 3;
    grid.patternHeight = 2;
    grid.skipWidth = 1;
    grid.skipHeight = 1;
    grid.transparent = false;
    list.entries.push_back(grid);

    list.entries.push_back(ImageEntry{}); // no picture

    ImageEntry opaque = keyed;
    opaque.transparent = false;
    list.entries.push_back(opaque);

    ImageEntry tooLarge;
    tooLarge.picture = Picture::Filled(4, 4, kBlue);
    tooLarge.patternWidth = 5;
    tooLarge.patternHeight = 5;
    list.entries.push_back(tooLarge);

    ImageEntry felt;
    felt.picture = Picture::Filled(10, 10, kFelt);
    felt.transparent = false;
    list.entries.push_back(felt);
    return ThroughListFile(list);
}

class HeadlessGraphics : public HeadlessServices {
protected:
    void SetUp() override {
        HeadlessServices::SetUp();
        s().graphics().SetImageList(TestImages());
        ClearTo(0x000000);
    }
    void ClearTo(std::uint32_t c) {
        s().graphics().FillRect({0, 0, 547, 448},
                                {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
    }
    std::uint32_t At(int x, int y) { return s().graphics().CaptureSurface().at(x, y); }
};

TEST_F(HeadlessGraphics, SurfaceFollowsTheLayout) {
    EXPECT_EQ(s().graphics().CanvasSize(), (Size{400, 300}));
    s().graphics().DrawImage(0, 0, 0, 0);
    s().window().SetLayout(Layout::Large);
    const Picture large = s().graphics().CaptureSurface();
    EXPECT_EQ(large.width, 547);
    EXPECT_EQ(large.height, 448);
    EXPECT_EQ(large.at(0, 0), kRed) << "what fits of the picture is kept";
    s().window().SetLayout(Layout::Small);
    EXPECT_EQ(s().graphics().CanvasSize(), (Size{400, 300}));
}

TEST_F(HeadlessGraphics, TransparentColourIsLeftOut) {
    ClearTo(kWhite);
    ASSERT_FALSE(s().graphics().DrawImage(0, 10, 20, 0));
    EXPECT_EQ(At(10, 20), kRed);
    EXPECT_EQ(At(13, 23), kRed);
    EXPECT_EQ(At(11, 21), kWhite) << "the green centre is the transparent colour";
    EXPECT_EQ(At(14, 24), kWhite) << "nothing beyond the picture";
    ASSERT_FALSE(s().graphics().DrawImage(3, 10, 20, 0));
    EXPECT_EQ(At(11, 21), kGreen) << "an entry not marked transparent draws every pixel";
}

TEST_F(HeadlessGraphics, PatternsAreCutWithTheirGaps) {
    const std::uint32_t expected[4] = {kRed, kGreen, kBlue, 0x123456};
    for (int k = 0; k < 4; ++k) {
        ClearTo(0);
        ASSERT_FALSE(s().graphics().DrawImage(1, 50, 60, k));
        EXPECT_EQ(At(50, 60), expected[k]) << "pattern " << k;
        EXPECT_EQ(At(52, 61), expected[k]) << "pattern " << k;
        EXPECT_EQ(At(53, 60), 0u) << "pattern " << k << " is 3 wide, the gap is not drawn";
        EXPECT_EQ(At(50, 62), 0u) << "pattern " << k << " is 2 high";
    }
}

TEST_F(HeadlessGraphics, NothingIsDrawnForMissingPatternsOrPictures) {
    const Picture before = s().graphics().CaptureSurface();
    for (auto [image, pattern] : {std::pair{1, 4}, {1, -1}, {0, 1}, {2, 0}, {4, 0}}) {
        EXPECT_FALSE(s().graphics().DrawImage(image, 0, 0, pattern))
            << "image " << image << " pattern " << pattern << " is no error";
    }
    EXPECT_TRUE(ComparePictures(before, s().graphics().CaptureSurface()).Same());
}

TEST_F(HeadlessGraphics, ImageIndexOutsideTheListIsAnError) {
    for (int index : {-1, 6, 28}) {
        const MediaError e = s().graphics().DrawImage(index, 0, 0, 0);
        ASSERT_TRUE(e) << "index " << index;
        EXPECT_NE(e->find(std::to_string(index)), std::string::npos) << *e;
    }
}

TEST_F(HeadlessGraphics, DrawingIsClippedToTheSurface) {
    ClearTo(kWhite);
    s().graphics().DrawImage(5, -5, -5, 0);
    EXPECT_EQ(At(0, 0), kFelt);
    EXPECT_EQ(At(4, 4), kFelt);
    EXPECT_EQ(At(5, 5), kWhite);
    s().graphics().DrawImage(5, 395, 295, 0);
    EXPECT_EQ(At(399, 299), kFelt);
    EXPECT_EQ(At(394, 294), kWhite);
    s().graphics().DrawImage(5, 400, 300, 0); // wholly outside
    s().graphics().DrawImage(5, -10, -10, 0);
}

TEST_F(HeadlessGraphics, ANewImageListReplacesTheOldOne) {
    ImageList one;
    ImageEntry e;
    e.picture = Picture::Filled(2, 2, kBlue);
    one.entries.push_back(e);
    s().graphics().SetImageList(one);
    EXPECT_EQ(s().graphics().ImageCount(), 1);
    EXPECT_TRUE(s().graphics().DrawImage(1, 0, 0, 0));
    s().graphics().DrawImage(0, 0, 0, 0);
    EXPECT_EQ(At(1, 1), kBlue);
}

TEST_F(HeadlessGraphics, TextIsBlendedOverAClearBackground) {
    ClearTo(kFelt);
    s().graphics().SetFont(kArialBlack, 12, {255, 255, 0});
    s().graphics().DrawText(10, 10, "Šest kostek");
    const Picture p = s().graphics().CaptureSurface();
    int yellow = 0, felt = 0, other = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 10; x < 140; ++x) {
            const std::uint32_t c = p.at(x, y);
            if (c == 0xFFFF00)
                ++yellow;
            else if (c == kFelt)
                ++felt;
            else
                ++other;
        }
    }
    EXPECT_GT(yellow, 100) << "solid glyph pixels";
    EXPECT_GT(felt, yellow) << "no box behind the letters";
    EXPECT_GT(other, 0) << "anti-aliased edges mix with the background";
    EXPECT_EQ(p.at(9, 9), kFelt);
}

TEST_F(HeadlessGraphics, TextWidthsFollowFontAndSize) {
    auto& g = s().graphics();
    g.SetFont(kArialBlack, 12, {});
    const int w12 = g.TextWidth("12345");
    EXPECT_EQ(g.TextWidth(""), 0);
    EXPECT_GT(w12, 30);
    EXPECT_EQ(g.TextWidth("1234512345"), 2 * w12) << "digits have one advance";
    const int h12 = g.LineHeight();
    EXPECT_GE(h12, 16) << "12 points at 96 dpi are 16 pixels to the em";
    EXPECT_LE(h12, 24);
    g.SetFont(kArialBlack, 9, {});
    EXPECT_LT(g.TextWidth("12345"), w12);
    EXPECT_LT(g.LineHeight(), h12);
    g.SetFont(kMsSansSerif, 12, {});
    EXPECT_NE(g.TextWidth("12345"), w12) << "another face, another width";
    EXPECT_GT(g.TextWidth("12345"), 0);
}

TEST_F(HeadlessGraphics, PresentLeavesTheSurfaceAsDrawnAndPaintsTheOverlayOnTheFrame) {
    s().graphics().DrawImage(5, 0, 0, 0);
    int overlays = 0;
    s().graphics().SetOverlayPainter([&](Canvas& c) {
        ++overlays;
        EXPECT_EQ(c.CanvasSize(), (Size{400, 300}));
        c.FillRect({0, 0, 5, 5}, {255, 255, 255});
    });
    const int before = s().graphics().PresentCount();
    s().graphics().Present();
    s().graphics().Present();
    EXPECT_EQ(s().graphics().PresentCount(), before + 2);
    EXPECT_EQ(overlays, 2);
    EXPECT_EQ(At(0, 0), kFelt) << "the controls are painted over the presented copy only";
}

TEST_F(HeadlessGraphics, TheFirstRestoreFollowsShowingTheWindow) {
    int restores = 0;
    s().graphics().SetRestoreHandler([&] {
        ++restores;
        s().graphics().DrawImage(5, 0, 0, 0);
        s().graphics().Present();
    });
    s().events().WaitEvent(0);
    EXPECT_EQ(restores, 0) << "no restore before the window is shown";
    s().window().Show();
    EXPECT_TRUE(s().window().IsShown());
    for (int i = 0; i < 5; ++i)
        s().events().WaitEvent(0);
    EXPECT_EQ(restores, 1) << "exactly one restore at start-up";
    EXPECT_EQ(At(0, 0), kFelt);
}

TEST_F(HeadlessGraphics, OnlyALostDeviceCountsAsARestoreNotARenderTargetReset) {
    s().window().Show();
    for (int i = 0; i < 5; ++i)
        s().events().WaitEvent(0);
    int restores = 0;
    s().graphics().SetRestoreHandler([&] { ++restores; });
    const auto push = [](Uint32 type) {
        SDL_Event e{};
        e.type = type;
        ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    };
    // Direct3D resets its render targets whenever the window changes size: the screen shown
    // (the highscore after the game's window shrank, say) must stay, not become the menu.
    push(SDL_RENDER_TARGETS_RESET);
    while (s().events().WaitEvent(0)) {
    }
    EXPECT_EQ(restores, 0) << "render targets reset";
    push(SDL_RENDER_DEVICE_RESET);
    while (s().events().WaitEvent(0)) {
    }
    EXPECT_EQ(restores, 1) << "device lost";
}

TEST_F(HeadlessGraphics, GoldenSceneOfImagesAndText) {
    s().graphics().FillRect({0, 0, 400, 300}, {0, 64, 0});
    s().graphics().DrawImage(0, 20, 20, 0);
    s().graphics().DrawImage(1, 40, 20, 3);
    s().graphics().SetFont(kArialBlack, 12, {0, 128, 0});
    s().graphics().DrawText(10, 40, "hráč 1");
    s().graphics().SetFont(kArialBlack, 9, {255, 0, 0});
    s().graphics().DrawText(10, 60, "12");
    s().graphics().SetFont(kArialBlack, 16, {255, 255, 255});
    s().graphics().DrawText(10, 80, "Šest kostek");
    const Picture actual = s().graphics().CaptureSurface();
    const std::string golden = std::string(build_paths::goldenDir) + "/scene.png";
    if (const char* update = std::getenv("SIXDICE_UPDATE_GOLDEN"); update && *update == '1') {
        ASSERT_FALSE(SavePng(actual, golden));
        GTEST_SKIP() << "golden image written to " << golden;
    }
    const auto expected = LoadPng(golden);
    ASSERT_TRUE(expected) << "cannot read " << golden
                          << "; run with SIXDICE_UPDATE_GOLDEN=1 to write it";
    const PictureDifference d = ComparePictures(*expected, actual);
    if (!d.Same()) {
        const std::string saved = ::testing::TempDir() + "scene-actual.png";
        SavePng(actual, saved);
        ADD_FAILURE() << d.Describe() << "; this run's picture is " << saved;
    }
}

} // namespace
} // namespace sixdice::media::testing

namespace sixdice::media::testing {
namespace {

class HeadlessWindow : public HeadlessServices {};

TEST_F(HeadlessWindow, LayoutSwitchesMoveTheShownWindowAndKeepItsClientArea) {
    Window& w = s().window();
    EXPECT_EQ(w.Caption(), "Six Dice");
    w.SetCaption("Šest kostek");
    EXPECT_EQ(w.Caption(), "Šest kostek");
    w.SetLayout(Layout::Small);
    w.Show();
    const Point small = w.Position();
    w.SetLayout(Layout::Large);
    EXPECT_EQ(w.CurrentLayout(), Layout::Large);
    const Point large = w.Position();
    EXPECT_EQ(large.x, small.x - 70) << "a centred window has room to move";
    EXPECT_EQ(large.y, small.y - 60);
    w.SetLayout(Layout::Large);
    EXPECT_EQ(w.Position(), large) << "the same layout again does not move";
    w.SetLayout(Layout::Small);
    EXPECT_EQ(w.Position(), small);
}

TEST_F(HeadlessWindow, ALayoutSetBeforeShowingDoesNotMoveTheWindow) {
    Window& w = s().window();
    w.SetLayout(Layout::Large);
    w.SetLayout(Layout::Small);
    w.Show();
    const Point shown = w.Position();
    EXPECT_GE(shown.x, 0);
    EXPECT_GE(shown.y, 0);
    EXPECT_EQ(s().graphics().CanvasSize(), (Size{400, 300}));
}

TEST_F(HeadlessWindow, PointerHidesAreCounted) {
    Pointer& p = s().pointer();
    EXPECT_TRUE(p.IsVisible());
    p.Hide();
    p.Hide();
    p.Show();
    EXPECT_FALSE(p.IsVisible());
    p.Show();
    EXPECT_TRUE(p.IsVisible());
    p.SetShape(PointerShape::Hand);
    EXPECT_EQ(p.Shape(), PointerShape::Hand);
    p.SetShape(PointerShape::Arrow);
    EXPECT_EQ(p.Shape(), PointerShape::Arrow);
}

TEST_F(HeadlessWindow, AnIdleWaitReturnsNothingAfterItsTimeout) {
    s().window().Show();
    const auto before = s().events().Ticks();
    while (s().events().WaitEvent(0)) {
    } // the window's own start-up events
    EXPECT_FALSE(s().events().WaitEvent(20));
    EXPECT_GE(s().events().Ticks(), before);
}

TEST_F(HeadlessWindow, AnIdleWaitSleepsItsWholeTimeout) {
    s().window().Show();
    while (s().events().WaitEvent(0)) {
    }
    // Longer than one sleep slice, so that a wait cut into slices must go on after the first.
    const auto before = s().events().Ticks();
    EXPECT_FALSE(s().events().WaitEvent(300));
    EXPECT_GE(s().events().Ticks() - before, 300u) << "the wait ended before its timeout";
}

} // namespace
} // namespace sixdice::media::testing
