// Every clickable rectangle of both languages lies on its drawn button: the plate (or the flag)
// runs along the whole outline of the rectangle, so no click lands on bare felt.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/art/ArtFiles.h"

namespace sixdice::art::test {
namespace {

// The pixels along the outline of `rect` (clipped to the picture) that fail `onButton`.
template <typename Predicate>
int PixelsOffTheButton(const media::Picture& picture, const HotRect& rect, Predicate onButton) {
    const HotRect r = ClipToScreen(rect, picture.width, picture.height);
    int off = 0;
    for (int x = r.x1; x <= r.x2; ++x) {
        off += !onButton(picture.at(x, r.y1)) + !onButton(picture.at(x, r.y2));
    }
    for (int y = r.y1 + 1; y < r.y2; ++y) {
        off += !onButton(picture.at(r.x1, y)) + !onButton(picture.at(r.x2, y));
    }
    return off;
}

TEST(ButtonPlate, EveryPlateCoversItsClickAndHoverRectangle) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (const Screen screen : AllScreens()) {
            const ScreenLayout layout = LayoutOf(screen, language);
            const media::Picture& base = list->entries[std::size_t(layout.baseImage)].picture;
            for (const HotArea& area : layout.areas) {
                if (area.kind != AreaKind::Button && area.kind != AreaKind::Flag) {
                    continue;
                }
                auto onButton = [&](std::uint32_t pixel) {
                    return area.kind == AreaKind::Flag ? !IsFelt(pixel) : IsPlate(pixel);
                };
                for (const HotRect& rect : {area.click, area.hover}) {
                    EXPECT_EQ(PixelsOffTheButton(base, rect, onButton), 0)
                        << LanguageName(language) << " " << layout.slug << " '" << area.name
                        << "' [" << rect.x1 << ".." << rect.x2 << "] x [" << rect.y1 << ".."
                        << rect.y2 << "] has felt on its outline";
                }
            }
        }
    }
}

TEST(ButtonPlate, PlatesEndAtTheirRectangle) {
    // Just outside the left and right ends of each button's middle row lies felt (or the edge of
    // the screen): the plate covers its rectangle exactly and does not promise a larger target.
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (const Screen screen : AllScreens()) {
            const ScreenLayout layout = LayoutOf(screen, language);
            const media::Picture& base = list->entries[std::size_t(layout.baseImage)].picture;
            for (const HotArea& area : layout.areas) {
                if (area.kind != AreaKind::Button) {
                    continue;
                }
                const HotRect r = ClipToScreen(area.hover, layout.width, layout.height);
                const int y = (r.y1 + r.y2) / 2;
                if (r.x1 > 0) {
                    EXPECT_FALSE(IsPlate(base.at(r.x1 - 1, y)))
                        << LanguageName(language) << " " << layout.slug << " '" << area.name
                        << "' reaches left of x " << r.x1;
                }
                if (r.x2 + 1 < layout.width) {
                    EXPECT_FALSE(IsPlate(base.at(r.x2 + 1, y)))
                        << LanguageName(language) << " " << layout.slug << " '" << area.name
                        << "' reaches right of x " << r.x2;
                }
            }
        }
    }
}

TEST(LanguageFlag, ShowsTheLanguageTheClickSwitchesTo) {
    SIXDICE_REQUIRE_ART(czech, Language::Czech);
    SIXDICE_REQUIRE_ART(english, Language::English);
    const media::Picture& czechMenu = czech->entries[0].picture;
    const media::Picture& englishMenu = english->entries[0].picture;
    // The Czech menu switches to English: the Union Flag's red cross crosses its middle.
    EXPECT_GT(Red(czechMenu.at(17, 288)), 150);
    EXPECT_LT(Green(czechMenu.at(17, 288)), 80);
    EXPECT_GT(Blue(czechMenu.at(4, 279)), 60) << "blue field in the corner";
    // The English menu switches to Czech: white over red, the blue wedge at the hoist.
    const std::uint32_t white = englishMenu.at(28, 280);
    const std::uint32_t red = englishMenu.at(28, 295);
    const std::uint32_t blue = englishMenu.at(3, 288);
    EXPECT_GT(Luminance(white), 220);
    EXPECT_GT(Red(red), 170);
    EXPECT_LT(Green(red), 60);
    EXPECT_GT(Blue(blue), Red(blue) + 40);
}

} // namespace
} // namespace sixdice::art::test
