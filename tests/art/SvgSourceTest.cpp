// Assembling artwork sources: includes, placeholders, plates, image cuts and marking.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetbuild/SvgSource.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace sixdice::art {
namespace {

class SvgSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() /
            ("sixdice-art-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(root_ / "common");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(root_ / name) << text;
    }
    std::filesystem::path root_;
};

const std::string kHead = R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300">)";

TEST_F(SvgSourceTest, ExpandsNestedIncludesAndRecordsEveryFileRead) {
    Write("common/outer.svg", "<g id=\"outer\"><?include common/inner.svg?></g>");
    Write("common/inner.svg", "<rect id=\"inner\"/>");
    Write("screen.svg", kHead + "<?include common/outer.svg?></svg>");
    const AssembledSource source = AssembleSource(root_ / "screen.svg", root_);
    EXPECT_NE(source.svg.find("<g id=\"outer\"><rect id=\"inner\"/></g>"), std::string::npos)
        << source.svg;
    EXPECT_EQ(source.width, 400);
    EXPECT_EQ(source.height, 300);
    ASSERT_EQ(source.files.size(), 3u);
    EXPECT_EQ(source.files[0], root_ / "screen.svg");
    EXPECT_EQ(source.files[1], root_ / "common/outer.svg");
    EXPECT_EQ(source.files[2], root_ / "common/inner.svg");
}

TEST_F(SvgSourceTest, RefusesMissingFilesAndEndlessIncludes) {
    EXPECT_THROW(AssembleText(kHead + "<?include nowhere.svg?></svg>", root_), ArtError);
    Write("loop.svg", "<?include loop.svg?>");
    EXPECT_THROW(AssembleText(kHead + "<?include loop.svg?></svg>", root_), ArtError);
}

TEST_F(SvgSourceTest, FillsPlaceholdersEscapedAlsoInsideInstructions) {
    const Defines defines{{"SITE", "a&b.example"}};
    const AssembledSource source = AssembleText(
        kHead +
            "<text>{{SITE}}</text><?plate id=\"p\" rect=\"0 0 99 19\" label=\"{{SITE}}\"?></svg>",
        root_, defines);
    EXPECT_NE(source.svg.find("<text>a&amp;b.example</text>"), std::string::npos);
    EXPECT_NE(source.svg.find(">a&amp;b.example</text>"), source.svg.find("<text>a&amp;"));
    EXPECT_THROW(AssembleText(kHead + "{{UNKNOWN}}</svg>", root_, defines), ArtError);
}

TEST_F(SvgSourceTest, PlateCoversItsInclusiveRectangleExactly) {
    const AssembledSource source = AssembleText(
        kHead + "<?plate id=\"go\" rect=\"154 30 282 60\" label=\"Nová hra\" size=\"19\"?></svg>",
        root_);
    ASSERT_EQ(source.plates.size(), 1u);
    const PlateLayout& plate = source.plates[0];
    EXPECT_EQ(plate.id, "go");
    EXPECT_EQ(plate.x1, 154);
    EXPECT_EQ(plate.y2, 60);
    EXPECT_TRUE(plate.hasLabel);
    // The rim spans 154..282 x 30..60: 129 x 31 pixels.
    EXPECT_NE(source.svg.find("class=\"plate-rim\" x=\"154\" y=\"30\" width=\"129\" height=\"31\""),
              std::string::npos)
        << source.svg;
    // The face, which marking changes, starts two pixels inside.
    EXPECT_NE(
        source.svg.find("class=\"plate-face\" x=\"156\" y=\"32\" width=\"125\" height=\"27\""),
        std::string::npos);
    EXPECT_NE(source.svg.find("id=\"go-label\""), std::string::npos);
    EXPECT_NE(source.svg.find(">Nová hra</text>"), std::string::npos);
    EXPECT_THROW(AssembleText(kHead + "<?plate id=\"x\" rect=\"0 0 3\"?></svg>", root_), ArtError);
    EXPECT_THROW(AssembleText(kHead + "<?plate id=\"x\" rect=\"0 0 3 3\"?></svg>", root_), ArtError)
        << "a plate too small to hold its bevel";
}

TEST_F(SvgSourceTest, ReadsImageCutsAndRefusesCutsOutsideThePicture) {
    const AssembledSource source = AssembleText(
        kHead + "<?image n=\"1\" name=\"lit\" mark=\"a b\" at=\"154 31\" size=\"129 30\"?>"
                "<?image n=\"0\" at=\"0 0\" size=\"400 300\" key=\"#ff00ff\"?></svg>",
        root_);
    ASSERT_EQ(source.cuts.size(), 2u);
    const ImageCut& lit = source.cuts[0];
    EXPECT_EQ(lit.number, 1);
    EXPECT_EQ(lit.name, "lit");
    EXPECT_EQ(lit.marks, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lit.x, 154);
    EXPECT_EQ(lit.height, 30);
    EXPECT_FALSE(lit.transparent);
    EXPECT_TRUE(source.cuts[1].transparent);
    EXPECT_EQ(source.cuts[1].transparentColor, 0xFF00FFu);
    EXPECT_EQ(source.svg.find("<?image"), std::string::npos) << "cuts leave no trace";

    EXPECT_THROW(
        AssembleText(kHead + "<?image n=\"0\" at=\"300 0\" size=\"101 10\"?></svg>", root_),
        ArtError);
    EXPECT_THROW(AssembleText(kHead + "<?image n=\"x\" at=\"0 0\" size=\"1 1\"?></svg>", root_),
                 ArtError);
    EXPECT_THROW(AssembleText(kHead + "<?image n=\"0\" at=\"0 0\" size=\"0 1\"?></svg>", root_),
                 ArtError);
    EXPECT_THROW(AssembleText(kHead + "<?frobnicate?></svg>", root_), ArtError);
}

TEST(MarkElements, AddsTheMarkedClassToExactlyTheNamedElements) {
    const std::string svg =
        R"(<g id="plate" class="plate"><rect id="plate-face"/></g><g id="state-1"/>)";
    const std::string marked = MarkElements(svg, {"plate", "state-1"});
    EXPECT_EQ(marked, R"(<g id="plate" class="marked plate"><rect id="plate-face"/></g>)"
                      R"(<g class="marked" id="state-1"/>)");
    // "plate" must not match inside "plate-face" or "my-plate".
    const std::string other = MarkElements(R"(<a my-id="x"/><b id="x"/>)", {"x"});
    EXPECT_EQ(other, R"(<a my-id="x"/><b class="marked" id="x"/>)");
    EXPECT_THROW(MarkElements(svg, {"nothing"}), ArtError);
}

} // namespace
} // namespace sixdice::art
