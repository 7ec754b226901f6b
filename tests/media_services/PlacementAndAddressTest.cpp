// Window placement on layout changes, document addresses and colour keys: the SDL-free rules.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ColourKey.h"
#include "media/DocumentAddress.h"
#include "media/WindowPlacement.h"

#include <gtest/gtest.h>

namespace sixdice::media {
namespace {

const Rect kDesktop{0, 0, 1280, 1024};

TEST(WindowPlacement, GrowingMovesSeventyLeftAndSixtyUpShrinkingMovesBack) {
    const Point small{437, 348};
    const Point large = PositionAfterLayoutChange(small, Layout::Small, Layout::Large,
                                                  OuterSize(Layout::Large), kDesktop);
    EXPECT_EQ(large, (Point{367, 288}));
    EXPECT_EQ(PositionAfterLayoutChange(large, Layout::Large, Layout::Small,
                                        OuterSize(Layout::Small), kDesktop),
              small);
}

TEST(WindowPlacement, AnEnlargedWindowMovesByTheEnlargedShift) {
    const Rect screen{0, 0, 3840, 2160};
    const Point small{1500, 800};
    const Size large{547 * 2 + 6, 448 * 2 + 27};
    const Point moved =
        PositionAfterLayoutChange(small, Layout::Small, Layout::Large, large, screen, 2);
    EXPECT_EQ(moved, (Point{1360, 680})) << "140 left and 120 up at twice the size";
    EXPECT_EQ(PositionAfterLayoutChange(moved, Layout::Large, Layout::Small, {806, 627}, screen, 2),
              small);
}

TEST(WindowPlacement, SameLayoutDoesNotMove) {
    const Point p{100, 100};
    EXPECT_EQ(PositionAfterLayoutChange(p, Layout::Large, Layout::Large, OuterSize(Layout::Large),
                                        kDesktop),
              p);
}

TEST(WindowPlacement, TheWindowStaysOnTheDesktop) {
    struct Case {
        Point before;
        Layout from, to;
        Point after;
    } cases[] = {
        {{20, 30}, Layout::Small, Layout::Large, {0, 0}},        // would leave top-left
        {{1000, 800}, Layout::Small, Layout::Large, {727, 549}}, // 930,740 + 553x475 sticks out
        {{900, 700}, Layout::Large, Layout::Small, {874, 697}},  // 970,760 + 406x327 sticks out
        {{-50, -40}, Layout::Large, Layout::Small, {20, 20}},    // moved back fully inside
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionAfterLayoutChange(c.before, c.from, c.to, OuterSize(c.to), kDesktop),
                  c.after)
            << "from (" << c.before.x << ", " << c.before.y << ")";
    }
}

TEST(WindowPlacement, DesktopWithAnOffsetAndAWindowTooLarge) {
    const Rect desktop{1920, 40, 500, 400}; // a second monitor, smaller than the large window
    EXPECT_EQ(KeptOnDesktop({2300, 300}, OuterSize(Layout::Large), desktop), (Point{1920, 40}))
        << "the top-left edge wins when the window does not fit";
    EXPECT_EQ(CentredPosition(OuterSize(Layout::Small), {0, 0, 1280, 1024}), (Point{437, 348}));
}

TEST(DocumentAddress, WebAndMailAddressesPassUnchanged) {
    for (const char* address :
         {"https://www.debian.org/", "http://127.0.0.1:8043/savescore.php?gid=43",
          "mailto:sixdice@example.org?subject=", "file:///tmp/a.htm"}) {
        EXPECT_EQ(DocumentAddress(address, "/home/x"), address);
    }
}

TEST(DocumentAddress, LocalDocumentsBecomeAbsoluteFileUrls) {
    EXPECT_EQ(DocumentAddress("pravidla.htm", "/opt/six dice"),
              "file:///opt/six%20dice/pravidla.htm");
    EXPECT_EQ(DocumentAddress("./rules.htm", "/run/"), "file:///run/rules.htm");
    EXPECT_EQ(DocumentAddress("docs\\rules.htm", "/run"), "file:///run/docs/rules.htm")
        << "backslashes are folder separators";
    EXPECT_EQ(DocumentAddress("/usr/share/sixdice/rules.htm", "/elsewhere"),
              "file:///usr/share/sixdice/rules.htm");
    EXPECT_EQ(DocumentAddress("C:rules.htm", "/run"), "file:///run/C%3Arules.htm")
        << "a single letter before the colon is no scheme";
}

TEST(DocumentAddress, DocumentsOnAWindowsDriveKeepTheDriveAfterAThirdSlash) {
    EXPECT_EQ(DocumentAddress("pravidla.htm", "C:\\Hry\\Šest kostek"),
              "file:///C:/Hry/%C5%A0est%20kostek/pravidla.htm")
        << "the working folder's backslashes are separators too";
    EXPECT_EQ(DocumentAddress("rules.htm", "Z:\\tmp\\"), "file:///Z:/tmp/rules.htm");
    EXPECT_EQ(DocumentAddress("D:\\docs\\rules.htm", "C:\\Hry"), "file:///D:/docs/rules.htm")
        << "a path from a drive's root is already absolute";
    EXPECT_EQ(DocumentAddress("C:rules.htm", "C:\\Hry"), "file:///C:/Hry/C%3Arules.htm")
        << "a drive without its root names no folder of its own";
}

TEST(DocumentAddress, PercentEncodingOfReservedAndNonAsciiBytes) {
    EXPECT_EQ(PercentEncodePath("/a b/#?%&+é"), "/a%20b/%23%3F%25%26%2B%C3%A9");
    EXPECT_EQ(PercentEncodePath("/Az09-._~"), "/Az09-._~");
}

TEST(ColourKey, ColourCodesAreBlueGreenRed) {
    EXPECT_EQ(ColourCodeToPixel(0x000000FF), 0xFF0000u) << "clRed";
    EXPECT_EQ(ColourCodeToPixel(0x00FF0000), 0x0000FFu) << "clBlue";
    EXPECT_EQ(ColourCodeToPixel(0x00008000), 0x008000u) << "clGreen";
    EXPECT_EQ(ColourCodeToPixel(0x00FF00FF), 0xFF00FFu) << "clFuchsia";
    EXPECT_EQ(ColourCodeToPixel(0x80000000 + 15), 0xC0C0C0u) << "button face";
    EXPECT_FALSE(ColourCodeToPixel(0x1FFFFFFF)) << "clNone keys nothing";
    EXPECT_FALSE(ColourCodeToPixel(0x80000000 + 25)) << "beyond the desktop colours";
    EXPECT_FALSE(ColourCodeToPixel(0x01000000));
}

TEST(ColourKey, OnlyTransparentEntriesHaveAKey) {
    ImageEntry e;
    e.transparentColor = 0x0000FF00;
    EXPECT_EQ(TransparentPixel(e), 0x00FF00u);
    e.transparent = false;
    EXPECT_FALSE(TransparentPixel(e));
}

} // namespace
} // namespace sixdice::media
