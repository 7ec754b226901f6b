// Every highlight sits inside its screen, covers its button, and differs from the picture
// beneath it everywhere but at its border, where it must match so that no seam shows.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/art/ArtFiles.h"
#include "tests/support/BuildPaths.h"

#include <sstream>

namespace sixdice::art::test {
namespace {

struct Placed {
    Language language;
    ScreenLayout layout;
    HotArea area;
    const media::Picture* highlight;
    const media::Picture* base;

    std::string Describe() const {
        std::ostringstream out;
        out << LanguageName(language) << " " << layout.slug << " '" << area.name << "' highlight "
            << area.highlight << " at (" << area.highlightX << ", " << area.highlightY << ")";
        return out.str();
    }
};

std::vector<Placed> AllHighlights() {
    std::vector<Placed> placed;
    for (const Language language : kLanguages) {
        const media::ImageList* list = GraphicsFile(language);
        if (list == nullptr) {
            continue;
        }
        for (const Screen screen : AllScreens()) {
            const ScreenLayout layout = LayoutOf(screen, language);
            for (const HotArea& area : layout.areas) {
                if (area.highlight >= 0) {
                    placed.push_back({language, layout, area,
                                      &list->entries[std::size_t(area.highlight)].picture,
                                      &list->entries[std::size_t(layout.baseImage)].picture});
                }
            }
        }
    }
    return placed;
}

#define SIXDICE_REQUIRE_HIGHLIGHTS(name)                                                           \
    const std::vector<Placed> name = AllHighlights();                                              \
    if (name.empty()) {                                                                            \
        GTEST_SKIP() << "no generated graphics file in " << build_paths::assetDir;                 \
    }

TEST(HighlightImage, LiesWithinItsScreen) {
    SIXDICE_REQUIRE_HIGHLIGHTS(highlights);
    EXPECT_EQ(highlights.size(), 2u * 12u) << "twelve highlights per language";
    for (const Placed& p : highlights) {
        EXPECT_GE(p.area.highlightX, 0) << p.Describe();
        EXPECT_GE(p.area.highlightY, 0) << p.Describe();
        EXPECT_LE(p.area.highlightX + p.highlight->width, p.layout.width) << p.Describe();
        EXPECT_LE(p.area.highlightY + p.highlight->height, p.layout.height) << p.Describe();
    }
}

TEST(HighlightImage, CoversTheWholeAreaThatLightsIt) {
    // Where the game places a highlight one pixel inside its area, that pixel is the plate's
    // rim, which looks the same lit and unlit; everything else of the area must be covered.
    SIXDICE_REQUIRE_HIGHLIGHTS(highlights);
    for (const Placed& p : highlights) {
        const HotRect hover = ClipToScreen(p.area.hover, p.layout.width, p.layout.height);
        EXPECT_LE(p.area.highlightX, hover.x1 + 1) << p.Describe();
        EXPECT_LE(p.area.highlightY, hover.y1 + 1) << p.Describe();
        EXPECT_GE(p.area.highlightX + p.highlight->width - 1, hover.x2) << p.Describe();
        EXPECT_GE(p.area.highlightY + p.highlight->height - 1, hover.y2) << p.Describe();
    }
}

TEST(HighlightImage, MatchesThePictureBeneathAtItsBorder) {
    SIXDICE_REQUIRE_HIGHLIGHTS(highlights);
    for (const Placed& p : highlights) {
        const int w = p.highlight->width;
        const int h = p.highlight->height;
        int mismatches = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (x != 0 && y != 0 && x != w - 1 && y != h - 1) {
                    continue;
                }
                const std::uint32_t under =
                    p.base->at(p.area.highlightX + x, p.area.highlightY + y);
                if (ChannelDistance(p.highlight->at(x, y), under) > 2) {
                    ++mismatches;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << p.Describe() << ": border pixels differ from the screen";
    }
}

TEST(HighlightImage, DiffersVisiblyFromTheButtonBeneath) {
    SIXDICE_REQUIRE_HIGHLIGHTS(highlights);
    for (const Placed& p : highlights) {
        int changed = 0;
        int interior = 0;
        for (int y = 2; y < p.highlight->height - 2; ++y) {
            for (int x = 2; x < p.highlight->width - 2; ++x) {
                ++interior;
                const std::uint32_t under =
                    p.base->at(p.area.highlightX + x, p.area.highlightY + y);
                if (ChannelDistance(p.highlight->at(x, y), under) > 24) {
                    ++changed;
                }
            }
        }
        ASSERT_GT(interior, 0) << p.Describe();
        EXPECT_GT(changed * 4, interior) << p.Describe() << ": only " << changed << " of "
                                         << interior << " pixels change visibly";
    }
}

} // namespace
} // namespace sixdice::art::test
