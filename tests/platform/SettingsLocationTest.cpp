// The player's settings file: where the system keeps it, and which places count as no file.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsLocation.h"

#include "platform/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace sixdice::platform {
namespace {

namespace fs = std::filesystem;

class SettingsPlace : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("sixdice-settings-place-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string Utf8(const fs::path& p) const { return Utf8FromPath(p); }

    fs::path root_;
};

TEST_F(SettingsPlace, WhatIsThereCountsAndReadOrNotIsTheReadersBusiness) {
    std::ofstream(root_ / "nastaveni.zrk") << "0\n0\nCZ\n";
    fs::create_directory(root_ / "folder.zrk");
    std::ofstream(root_ / "empty.zrk");
    EXPECT_TRUE(PerUserFileIsThere(Utf8(root_ / "nastaveni.zrk")));
    EXPECT_TRUE(PerUserFileIsThere(Utf8(root_ / "empty.zrk")));
    EXPECT_TRUE(PerUserFileIsThere(Utf8(root_ / "folder.zrk"))) << "reported as a folder later";
}

TEST_F(SettingsPlace, NothingThereOrAFileOnTheWayCountsAsNoFile) {
    std::ofstream(root_ / "sixdice") << "a file where the folder should be";
    EXPECT_FALSE(PerUserFileIsThere(Utf8(root_ / "nastaveni.zrk")));
    EXPECT_FALSE(PerUserFileIsThere(Utf8(root_ / "missing" / "nastaveni.zrk")));
    EXPECT_FALSE(PerUserFileIsThere(Utf8(root_ / "sixdice" / "nastaveni.zrk")));
    EXPECT_FALSE(PerUserFileIsThere(Utf8(root_ / "sixdice" / "deeper" / "nastaveni.zrk")));
}

TEST_F(SettingsPlace, NamesOutsideAsciiAreFoundAsTheyAre) {
    const fs::path folder = root_ / PathFromUtf8("Hráč Čestmír");
    fs::create_directories(folder);
    std::ofstream(folder / "nastaveni.zrk") << "0\n0\nEN\n";
    EXPECT_TRUE(PerUserFileIsThere(Utf8(folder / "nastaveni.zrk")));
    EXPECT_FALSE(PerUserFileIsThere(Utf8(root_ / PathFromUtf8("Hrac Cestmir") / "nastaveni.zrk")));
}

TEST(SettingsLocation, ThePlayersFileIsAnAbsolutePathEndingInTheGamesFolderAndName) {
    const auto own = PerUserSettingsFile("nastaveni.zrk");
    if (!own) {
        GTEST_SKIP() << "this user has no configuration folder";
    }
    const fs::path path = PathFromUtf8(*own);
    EXPECT_TRUE(path.is_absolute()) << *own;
    EXPECT_EQ(path.filename(), "nastaveni.zrk");
    const std::string folder = Utf8FromPath(path.parent_path().filename());
    EXPECT_TRUE(folder == "sixdice" || folder == "SixDice") << *own;
}

} // namespace
} // namespace sixdice::platform
