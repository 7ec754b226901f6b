// Which font file a face gets: pinned folders for tests, fontconfig's fallbacks otherwise.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/FontLocator.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace sixdice::media::sdl {
namespace {

namespace fs = std::filesystem;

class PinnedFonts : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("SIXDICE_FONT_DIR"))
            saved_ = old;
        // Parallel test processes each pin their own folder; a shared one is removed under them.
        dir_ = fs::path(::testing::TempDir()) /
               ("sixdice-fonts-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setenv("SIXDICE_FONT_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (saved_)
            setenv("SIXDICE_FONT_DIR", saved_->c_str(), 1);
        else
            unsetenv("SIXDICE_FONT_DIR");
        fs::remove_all(dir_);
    }
    void Add(const std::string& name) { std::ofstream(dir_ / name) << "font"; }

    fs::path dir_;
    std::optional<std::string> saved_;
};

TEST_F(PinnedFonts, ArialBlackTakesLatoBlackThenDejaVuSansBold) {
    EXPECT_EQ(LocateFontFile("Arial Black"), "") << "an empty pinned folder pins nothing";
    Add("DejaVuSans-Bold.ttf");
    EXPECT_EQ(LocateFontFile("Arial Black"), (dir_ / "DejaVuSans-Bold.ttf").string());
    Add("Lato-Black.ttf");
    EXPECT_EQ(LocateFontFile("Arial Black"), (dir_ / "Lato-Black.ttf").string());
    EXPECT_EQ(LocateFontFile("arial black"), (dir_ / "Lato-Black.ttf").string())
        << "face names are matched without regard to case";
}

TEST_F(PinnedFonts, OtherFacesTakeTheirOwnFileThenDejaVuSans) {
    Add("DejaVuSans.ttf");
    EXPECT_EQ(LocateFontFile("MS Sans Serif"), (dir_ / "DejaVuSans.ttf").string());
    EXPECT_EQ(LocateFontFile("MS Sans Serif Bold"), "") << "the bold face wants its own file";
    Add("DejaVuSans-Bold.ttf");
    EXPECT_EQ(LocateFontFile("MS Sans Serif Bold"), (dir_ / "DejaVuSans-Bold.ttf").string());
    EXPECT_EQ(LocateFontFile("MS Sans Serif"), (dir_ / "DejaVuSans.ttf").string());
    EXPECT_EQ(LocateFontFile("Courier"), (dir_ / "DejaVuSans.ttf").string());
    Add("Courier.ttf");
    EXPECT_EQ(LocateFontFile("Courier"), (dir_ / "Courier.ttf").string());
}

TEST(FontLocator, WithoutAPinnedFolderFontconfigFindsTheFallbacks) {
    const char* old = std::getenv("SIXDICE_FONT_DIR");
    const std::string saved = old ? old : "";
    unsetenv("SIXDICE_FONT_DIR");
    const std::string black = LocateFontFile("Arial Black");
    const std::string sans = LocateFontFile("MS Sans Serif");
    const std::string bold = LocateFontFile("MS Sans Serif Bold");
    if (old)
        setenv("SIXDICE_FONT_DIR", saved.c_str(), 1);
    ASSERT_FALSE(black.empty()) << "fonts-lato or fonts-dejavu-core provide a fallback";
    EXPECT_TRUE(fs::is_regular_file(black)) << black;
    EXPECT_NE(sans.find("DejaVuSans"), std::string::npos) << sans;
    EXPECT_EQ(sans.find("Bold"), std::string::npos) << "the controls' face is not bold: " << sans;
    EXPECT_NE(bold.find("DejaVuSans-Bold"), std::string::npos) << bold;
}

} // namespace
} // namespace sixdice::media::sdl
