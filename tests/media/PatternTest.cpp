// Cutting image entries into patterns: counts and rectangles from sizes and gaps.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListData.h"

#include <gtest/gtest.h>

namespace sixdice::media {
namespace {

ImageEntry Entry(int w, int h, int pw, int ph, int sw = 0, int sh = 0) {
    ImageEntry e;
    e.picture.width = w;
    e.picture.height = h;
    e.picture.pixels.resize(std::size_t(w) * std::size_t(h));
    e.patternWidth = pw;
    e.patternHeight = ph;
    e.skipWidth = sw;
    e.skipHeight = sh;
    return e;
}

TEST(Patterns, Counts) {
    struct Case {
        const char* what;
        ImageEntry entry;
        int count;
    };
    const Case cases[] = {
        {"zero sizes: the whole picture", Entry(40, 30, 0, 0), 1},
        {"negative sizes mean the picture's", Entry(40, 30, -3, -1, 5, 5), 1},
        {"exact size with gaps still one", Entry(40, 30, 40, 30, 7, 7), 1},
        {"strip of four", Entry(40, 10, 10, 0), 4},
        {"grid 4 x 3", Entry(40, 30, 10, 10), 12},
        {"remainder dropped", Entry(45, 29, 10, 10), 8},
        {"gaps between columns", Entry(31, 10, 10, 10, 1, 0), 2},
        {"the last column needs no gap after it", Entry(43, 10, 10, 10, 1, 0), 4},
        {"pattern wider than the picture", Entry(40, 30, 41, 30), 0},
        {"pattern taller than the picture", Entry(40, 30, 0, 31), 0},
        {"negative gap overlaps patterns", Entry(10, 10, 4, 10, -2, 0), 4},
        {"gap cancelling the width", Entry(10, 10, 4, 10, -4, 0), 0},
        {"no picture", Entry(0, 0, 0, 0), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.entry.patternCount(), c.count) << c.what;
    }
}

TEST(Patterns, RectanglesRunRowsFromTheTopAndColumnsFromTheLeft) {
    const ImageEntry e = Entry(34, 22, 10, 10, 2, 2);
    ASSERT_EQ(e.patternCount(), 6);
    EXPECT_EQ(e.pattern(0), (PatternRect{0, 0, 10, 10}));
    EXPECT_EQ(e.pattern(1), (PatternRect{12, 0, 10, 10}));
    EXPECT_EQ(e.pattern(2), (PatternRect{24, 0, 10, 10}));
    EXPECT_EQ(e.pattern(3), (PatternRect{0, 12, 10, 10}));
    EXPECT_EQ(e.pattern(5), (PatternRect{24, 12, 10, 10}));
    const ImageEntry whole = Entry(34, 22, 0, 22);
    EXPECT_EQ(whole.pattern(0), (PatternRect{0, 0, 34, 22}));
}

TEST(Patterns, EveryRectangleLiesInsideThePicture) {
    for (int sw = -3; sw <= 3; ++sw) {
        const ImageEntry e = Entry(17, 9, 4, 3, sw, sw);
        for (int k = 0; k < e.patternCount(); ++k) {
            const PatternRect r = e.pattern(k);
            EXPECT_GE(r.x, 0);
            EXPECT_GE(r.y, 0);
            EXPECT_LE(r.x + r.width, 17) << "gap " << sw << " pattern " << k;
            EXPECT_LE(r.y + r.height, 9) << "gap " << sw << " pattern " << k;
        }
    }
}

} // namespace
} // namespace sixdice::media
