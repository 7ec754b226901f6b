// The settings file on Linux: what is refused in its place (pipes, devices, links), and the
// player's own file in $XDG_CONFIG_HOME, with the places that count as none.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"
#include "tests/app/UserSettingsIsolation.h"
#include "tests/ui/support/SyntheticAssets.h"

#include <fstream>
#include <gmock/gmock.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sixdice::app {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

// Each case puts something other than a good settings file at "nastaveni.zrk".
struct Refused {
    const char* label;
    void (*make)(const std::filesystem::path& file);
    const char* english; // what the message says is wrong, in English
    const char* czech;   // and in Czech
};

const Refused kRefused[] = {
    {"missing", [](const std::filesystem::path&) {}, "is missing", "chybí"},
    {"a folder", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
     "is a folder, not a file", "je složka, ne soubor"},
    {"a named pipe",
     [](const std::filesystem::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
     "is a named pipe", "je pojmenovaná roura"},
    {"a link to /dev/zero",
     [](const std::filesystem::path& f) { std::filesystem::create_symlink("/dev/zero", f); },
     "is a device", "je zařízení"},
    {"larger than 4 KB",
     [](const std::filesystem::path& f) {
         std::ofstream(f) << "0\n0\nCZ\n" << std::string(5000, 'x');
     },
     "is too large (4.9 KB; at most 4 KB)", "je příliš velký (4,9 KB, smí mít nejvýše 4 KB)"},
    {"a dangling link",
     [](const std::filesystem::path& f) { std::filesystem::create_symlink("nowhere.zrk", f); },
     "is missing", "chybí"},
};

TEST(SettingsFile, RefusesWhatIsNotASmallRegularFileAndSaysWhy) {
    for (const auto& c : kRefused) {
        testsupport::WorkingFolder folder;
        c.make(folder.Path() / "nastaveni.zrk");
        ui::SettingsLines lines(std::vector<std::string>{"old"});
        const auto message = LoadSettingsFile("nastaveni.zrk", lines);
        ASSERT_TRUE(message.has_value()) << c.label;
        EXPECT_THAT(*message,
                    HasSubstr("Soubor s nastavením \"nastaveni.zrk\" " + std::string(c.czech)))
            << c.label;
        EXPECT_THAT(*message,
                    HasSubstr("The settings file \"nastaveni.zrk\" " + std::string(c.english)))
            << c.label;
        EXPECT_THAT(*message, HasSubstr("Reinstall the game, or repair the file")) << c.label;
        EXPECT_LT(message->find("Soubor"), message->find("The settings")) << "Czech first";
        EXPECT_THAT(*message, EndsWith("\nCannot open file nastaveni.zrk")) << c.label;
        EXPECT_EQ(lines.Count(), 0u) << c.label << ": a failed load leaves no lines behind";
        EXPECT_EQ(lines.Source(), "nastaveni.zrk") << c.label;
    }
}

// The player's own settings file, in a configuration folder made for each test.
class UserSettings : public ::testing::Test {
protected:
    testsupport::WorkingFolder folder_;
    std::filesystem::path config_ = folder_.Path() / "config";
    std::filesystem::path own_ = config_ / "sixdice" / "nastaveni.zrk";
    testsupport::ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.string()};

    void SetUp() override { folder_.WriteFile("nastaveni.zrk", "0\n0\nCZ\n"); }
    void WriteOwn(const std::string& bytes) {
        std::filesystem::create_directories(own_.parent_path());
        std::ofstream(own_, std::ios::binary) << bytes;
    }
};

TEST_F(UserSettings, TheOwnFileIsReadInPreferenceToTheGamesOne) {
    ui::SettingsLines lines;
    ASSERT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.StartLanguage(), "CZ") << "without an own file, the game's own";
    EXPECT_EQ(lines.Source(), "nastaveni.zrk");
    std::filesystem::create_directories(own_.parent_path());
    ASSERT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.StartLanguage(), "CZ") << "an empty folder changes nothing";

    WriteOwn("hudba \xE8.ogg\r\n0\r\nEN\r\n");
    ASSERT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt);
    EXPECT_EQ(lines.StartLanguage(), "EN");
    EXPECT_EQ(lines.MenuMusic(), "hudba č.ogg") << "the same code page";
    EXPECT_EQ(lines.Source(), own_.string());
    EXPECT_EQ(SettingsFilePath("nastaveni.zrk"), own_.string());
}

TEST_F(UserSettings, ConfigFolderDefaultsToDotConfigAndMustBeAbsolute) {
    testsupport::ScopedEnv home("HOME", folder_.Path().string());
    const std::string dotConfig = (folder_.Path() / ".config/sixdice/nastaveni.zrk").string();
    for (const std::optional<std::string>& configHome :
         std::initializer_list<std::optional<std::string>>{std::nullopt, "", "config"}) {
        testsupport::ScopedEnv unset("XDG_CONFIG_HOME", configHome);
        EXPECT_EQ(SettingsFilePath("nastaveni.zrk"), "nastaveni.zrk") << "no own file yet";
        folder_.WriteFile(".config/sixdice/nastaveni.zrk", "0\n0\nEN\n");
        EXPECT_EQ(SettingsFilePath("nastaveni.zrk"), dotConfig)
            << "XDG_CONFIG_HOME=" << configHome.value_or("(unset)");
        std::filesystem::remove(dotConfig);
    }
    testsupport::ScopedEnv noHome("HOME", std::nullopt);
    testsupport::ScopedEnv noConfig("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(SettingsFilePath("nastaveni.zrk"), "nastaveni.zrk");
    EXPECT_EQ(SettingsFilePath("/etc/x/nastaveni.zrk"), "/etc/x/nastaveni.zrk");
}

TEST_F(UserSettings, ABrokenOwnFileIsReportedWithItsPathNotPassedOver) {
    for (const auto& c : kRefused) {
        std::filesystem::remove_all(config_);
        std::filesystem::create_directories(own_.parent_path());
        c.make(own_);
        if (!std::filesystem::exists(own_)) {
            continue; // nothing there, or a link to nowhere: the game's own file is read (below)
        }
        const auto before = folder_.Listing();
        ui::SettingsLines lines;
        const auto message = LoadSettingsFile("nastaveni.zrk", lines);
        EXPECT_EQ(folder_.Listing(), before) << c.label << ": nothing written";
        ASSERT_TRUE(message.has_value()) << c.label;
        EXPECT_THAT(*message,
                    HasSubstr("Your own settings file \"" + own_.string() + "\" " + c.english))
            << c.label;
        EXPECT_THAT(*message, HasSubstr("Váš vlastní soubor s nastavením \"" + own_.string()))
            << c.label;
        EXPECT_THAT(*message, HasSubstr("or delete it and the game uses the settings in its own "
                                        "folder"))
            << c.label;
        EXPECT_EQ(lines.Source(), own_.string()) << c.label;
    }
}

// A place that cannot even be looked at is no file of the player's: the game's own is read.
TEST_F(UserSettings, AnOwnPlaceThatCannotBeLookedAtFallsBackToTheGamesFile) {
    namespace fs = std::filesystem;
    const struct {
        const char* label;
        void (*make)(const fs::path& config);
    } cases[] = {
        {"a file where the folder should be (ENOTDIR)",
         [](const fs::path& config) {
             fs::create_directories(config);
             std::ofstream(config / "sixdice") << "not a folder";
         }},
        {"a folder that is a link to itself (ELOOP)",
         [](const fs::path& config) {
             fs::create_directories(config);
             fs::create_symlink("sixdice", config / "sixdice");
         }},
        {"a link to nowhere in the file's place",
         [](const fs::path& config) {
             fs::create_directories(config / "sixdice");
             fs::create_symlink("nowhere.zrk", config / "sixdice" / "nastaveni.zrk");
         }},
        {"a link to a missing folder in the folder's place",
         [](const fs::path& config) {
             fs::create_directories(config);
             fs::create_symlink("/nonexistent-sixdice-folder", config / "sixdice");
         }},
    };
    for (const auto& c : cases) {
        fs::remove_all(config_);
        c.make(config_);
        ASSERT_TRUE(fs::exists(fs::symlink_status(config_ / "sixdice"))) << c.label;
        ui::SettingsLines lines;
        EXPECT_EQ(LoadSettingsFile("nastaveni.zrk", lines), std::nullopt) << c.label;
        EXPECT_EQ(lines.Source(), "nastaveni.zrk") << c.label;
        EXPECT_EQ(lines.StartLanguage(), "CZ") << c.label;
    }
}

// A folder on the way that may not be searched (EACCES) falls back; a file that is there but may
// not be read is reported. Permission bits do not bind root, so as root the checks run in a
// child process that has become the unprivileged user "nobody".
TEST_F(UserSettings, PermissionDeniedOnTheWayFallsBackButOnTheFileIsReported) {
    namespace fs = std::filesystem;
    const fs::path locked = folder_.Path() / "locked";
    const fs::path unreadable = folder_.Path() / "unreadable";
    fs::create_directories(locked / "sixdice");
    std::ofstream(locked / "sixdice" / "nastaveni.zrk") << "0\n0\nEN\n";
    fs::create_directories(unreadable / "sixdice");
    std::ofstream(unreadable / "sixdice" / "nastaveni.zrk") << "0\n0\nEN\n";
    fs::permissions(unreadable / "sixdice" / "nastaveni.zrk", fs::perms::none);
    fs::permissions(locked / "sixdice", fs::perms::none);
    for (const fs::path& p : {folder_.Path(), locked, unreadable, unreadable / "sixdice"}) {
        fs::permissions(p, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    }
    const std::string lockedOwn = (locked / "sixdice" / "nastaveni.zrk").string();
    const std::string unreadableOwn = (unreadable / "sixdice" / "nastaveni.zrk").string();

    // Bit 1: the locked folder fell back; bit 2: the unreadable file was chosen and reported.
    const auto check = [&]() -> int {
        int result = 0;
        ::setenv("XDG_CONFIG_HOME", locked.c_str(), 1);
        if (SettingsFilePath("nastaveni.zrk") == "nastaveni.zrk") {
            result |= 1;
        }
        ::setenv("XDG_CONFIG_HOME", unreadable.c_str(), 1);
        ui::SettingsLines lines;
        const auto message = LoadSettingsFile("nastaveni.zrk", lines);
        if (lines.Source() == unreadableOwn && message &&
            message->find("\"" + unreadableOwn + "\"") != std::string::npos) {
            result |= 2;
        }
        return result;
    };

    int outcome = 0;
    if (::geteuid() != 0) {
        outcome = check();
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const uid_t nobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
                ::_exit(100);
            }
            ::_exit(check());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 100) << "could not become nobody";
        outcome = WEXITSTATUS(status);
    }
    fs::permissions(locked / "sixdice", fs::perms::owner_all);
    fs::permissions(unreadable / "sixdice" / "nastaveni.zrk", fs::perms::owner_all);
    EXPECT_TRUE(outcome & 1) << "a folder that may not be searched counts as no own file";
    EXPECT_TRUE(outcome & 2) << "an own file that may not be read is reported with its path";
}

} // namespace
} // namespace sixdice::app
