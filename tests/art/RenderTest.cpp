// Rendering with librsvg: marking a plate changes only its face, and labels are held to their
// plates. (Built only outside the sanitizer build, where the renderer's libraries are not
// instrumented.)
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/BuildPaths.h"
#include "tools/assetbuild/SvgRender.h"
#include "tools/assetbuild/SvgSource.h"

#include <gtest/gtest.h>

namespace sixdice::art {
namespace {

const std::string kRoot = build_paths::artSourceDir;

AssembledSource Plate(const std::string& attributes) {
    return AssembleText(R"(<svg xmlns="http://www.w3.org/2000/svg" width="120" height="40">)"
                        "<?include common/head.svg?><?plate id=\"p\" " +
                            attributes + "?></svg>",
                        kRoot);
}

int Distance(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (const int shift : {0, 8, 16}) {
        most = std::max(most, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    }
    return most;
}

TEST(RenderSvg, LeavesNothingTransparent) {
    const media::Picture empty =
        RenderSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"></svg>)", 10,
                  10, {2, 3, 4, 5});
    ASSERT_EQ(empty.width, 4);
    ASSERT_EQ(empty.height, 5);
    for (const std::uint32_t pixel : empty.pixels) {
        EXPECT_EQ(pixel, 0x004000u) << "an empty document shows the felt";
    }
}

TEST(RenderSvg, MarkingAPlateChangesItsFaceButNotItsRim) {
    const AssembledSource source = Plate(R"(rect="10 8 109 31" label="Start" size="14")");
    const PixelRect cut{10, 8, 100, 24};
    const media::Picture plain = RenderSvg(source.svg, source.width, source.height, cut);
    const media::Picture lit =
        RenderSvg(MarkElements(source.svg, {"p"}), source.width, source.height, cut);
    int changed = 0;
    for (int y = 0; y < cut.height; ++y) {
        for (int x = 0; x < cut.width; ++x) {
            const bool rim = x < 2 || y < 2 || x >= cut.width - 2 || y >= cut.height - 2;
            const int d = Distance(plain.at(x, y), lit.at(x, y));
            if (rim) {
                ASSERT_LE(d, 1) << "the rim changed at " << x << "," << y;
            } else {
                changed += d > 24;
            }
        }
    }
    EXPECT_GT(changed, 96 * 20 / 2) << "the lit face should differ over most of the plate";
}

TEST(PlateLabels, AreHeldInsideTheirPlate) {
    EXPECT_TRUE(CheckPlateLabels(Plate(R"(rect="10 8 109 31" label="Start" size="14")")).empty());
    const auto faults =
        CheckPlateLabels(Plate(R"(rect="10 8 69 31" label="Far too long a label" size="14")"));
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("spills over"), std::string::npos) << faults[0];
    EXPECT_EQ(CheckPlateLabels(Plate(R"(rect="10 8 69 31" label=" " size="14")")).size(), 1u)
        << "a label that draws nothing is a fault too";
}

TEST(PlateLabels, ShrinkToFitWhenAllowed) {
    AssembledSource source =
        Plate(R"(rect="5 8 114 25" label="www.a-long-site.example.org" size="12" fit="shrink")");
    ASSERT_FALSE(CheckPlateLabels(source).empty()) << "the label starts too wide";
    ShrinkLabelsToFit(source);
    EXPECT_TRUE(CheckPlateLabels(source).empty());
    EXPECT_EQ(source.svg.find("font-size=\"12\""), std::string::npos) << "the size went down";

    AssembledSource fixed = Plate(R"(rect="5 8 64 25" label="www.a-long-site.example.org")");
    ShrinkLabelsToFit(fixed);
    EXPECT_FALSE(CheckPlateLabels(fixed).empty()) << "only fit=\"shrink\" labels are changed";
}

} // namespace
} // namespace sixdice::art
