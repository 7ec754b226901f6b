// The program's icon: transparency and colour kept through rendering, the PNG file and the
// compiled-in pixels, and the icon source itself at every size the desktop asks for.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/BuildPaths.h"
#include "tools/assetbuild/IconRender.h"
#include "tools/assetbuild/SvgSource.h"

#include <cairo.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sixdice::art {
namespace {

const std::string kRoot = build_paths::artSourceDir;

// A 10 x 10 document: opaque red on the left half, half-transparent blue at the bottom right,
// nothing at the top right.
AssembledSource Quarters() {
    return AssembleText(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                        R"(<rect x="0" y="0" width="5" height="10" fill="#ff0000"/>)"
                        R"(<rect x="5" y="5" width="5" height="5" fill="#0000ff" )"
                        R"(fill-opacity="0.5"/></svg>)",
                        kRoot);
}

std::uint32_t At(const IconPicture& icon, int x, int y) {
    return icon.pixels[std::size_t(y) * icon.size + x];
}

TEST(Icon, ScalesTheDocumentAndKeepsStraightAlpha) {
    const IconPicture icon = RenderIcon(Quarters(), 20);
    ASSERT_EQ(icon.size, 20);
    ASSERT_EQ(icon.pixels.size(), 400u);
    EXPECT_EQ(At(icon, 2, 2), 0xFFFF0000u) << "opaque red, scaled over the left half";
    EXPECT_EQ(At(icon, 9, 19), 0xFFFF0000u);
    EXPECT_EQ(At(icon, 15, 2), 0u) << "uncovered pixels stay transparent";
    const std::uint32_t blue = At(icon, 15, 15);
    EXPECT_NEAR(int(blue >> 24), 128, 1) << "half-transparent blue keeps half its alpha";
    EXPECT_EQ(blue & 0x00FFFFFFu, 0x0000FFu) << "and its full colour, not a premultiplied one";
}

TEST(Icon, RefusesSizesThatDrawNothing) {
    EXPECT_THROW(RenderIcon(Quarters(), 0), ArtError);
}

TEST(Icon, PngFileHoldsTheSamePixels) {
    const IconPicture icon = RenderIcon(Quarters(), 16);
    const auto file = std::filesystem::temp_directory_path() /
                      ("sixdice-icon-" + std::to_string(getpid()) + ".png");
    SaveIconPng(icon, file);
    cairo_surface_t* back = cairo_image_surface_create_from_png(file.c_str());
    std::filesystem::remove(file);
    ASSERT_EQ(cairo_surface_status(back), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(back), 16);
    EXPECT_EQ(cairo_image_surface_get_height(back), 16);
    EXPECT_EQ(cairo_image_surface_get_format(back), CAIRO_FORMAT_ARGB32) << "alpha is written";
    const auto* data = cairo_image_surface_get_data(back);
    const int stride = cairo_image_surface_get_stride(back);
    auto pixel = [&](int x, int y) {
        return reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
    };
    EXPECT_EQ(pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(pixel(14, 1), 0u);
    EXPECT_NEAR(int(pixel(14, 14) >> 24), 128, 1);
    EXPECT_NEAR(int(pixel(14, 14) & 0xFF), 128, 1) << "cairo reads it back premultiplied";
    cairo_surface_destroy(back);
}

TEST(Icon, PixelSourceListsEveryPixelRowByRow) {
    IconPicture icon;
    icon.size = 2;
    icon.pixels = {0xFF102030u, 0u, 0x80FFFFFFu, 0x01000000u};
    const std::string text = IconPixelsSource(icon);
    EXPECT_NE(text.find("kWindowIconSize = 2;"), std::string::npos);
    const std::size_t first = text.find("0xFF102030u");
    const std::size_t second = text.find("0x00000000u");
    const std::size_t third = text.find("0x80FFFFFFu");
    const std::size_t fourth = text.find("0x01000000u");
    ASSERT_NE(fourth, std::string::npos) << text;
    EXPECT_TRUE(first < second && second < third && third < fourth) << text;
}

TEST(Icon, TheProgramsIconIsARoundedTileAtEverySize) {
    const AssembledSource source = AssembleSource(kRoot + "/icon.svg", kRoot);
    ASSERT_EQ(source.width, source.height) << "icons are square";
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const IconPicture icon = RenderIcon(source, size);
        EXPECT_EQ(At(icon, 0, 0) >> 24, 0u) << size << ": the corners are transparent";
        EXPECT_EQ(At(icon, size - 1, size - 1) >> 24, 0u) << size;
        EXPECT_EQ(At(icon, size / 2, size / 2) >> 24, 255u) << size << ": the middle is opaque";
        EXPECT_EQ(At(icon, size / 2, size / 10) >> 24, 255u) << size << ": so is the tile's rim";
    }
}

} // namespace
} // namespace sixdice::art
