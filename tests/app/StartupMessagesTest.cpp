// Start-up messages: both languages, the file and the remedy, outside text shown safely.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StartupMessages.h"

#include "platform/RegularFile.h"

#include <cerrno>
#include <gmock/gmock.h>

namespace sixdice::ui {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(Printable, KeepsTextAndEscapesWhatCannotBeShown) {
    EXPECT_EQ(Printable("grafika_cz.zrk"), "grafika_cz.zrk");
    EXPECT_EQ(Printable("Šťastná píseň €"), "Šťastná píseň €") << "UTF-8 stays";
    EXPECT_EQ(Printable(std::string("CZ\0EN", 5)), "CZ\\x00EN") << "never cut at a NUL";
    EXPECT_EQ(Printable("a\tb\x1b[31m\x7f"), "a\\x09b\\x1B[31m\\x7F");
    EXPECT_EQ(Printable("Na\x83"
                        "e"),
              "Na\\x83e")
        << "a byte that is no UTF-8 character";
    EXPECT_EQ(Printable("\xC3"), "\\xC3") << "a character cut short";
    EXPECT_EQ(Printable("\xC0\xAF"), "\\xC0\\xAF") << "an over-long form";
    EXPECT_EQ(Printable("\xED\xA0\x80"), "\\xED\\xA0\\x80") << "a surrogate";
    EXPECT_EQ(Printable("abc\xE2\x80\xAE"
                        "gpj.exe"),
              "abc\\u{202E}gpj.exe")
        << "a direction override would turn the rest around";
    EXPECT_EQ(Printable("\xC2\x85x"), "\\u{0085}x") << "C1 control";
}

TEST(Printable, LongTextsKeepTheirBeginningAndEnd) {
    const std::string huge = "BEGIN" + std::string(1 << 20, 'x') + "END";
    const std::string shown = Printable(huge, 40);
    EXPECT_THAT(shown, StartsWith("BEGIN"));
    EXPECT_THAT(shown, EndsWith("END"));
    EXPECT_THAT(shown, HasSubstr(" … "));
    EXPECT_EQ(shown.size(), 40u + std::string(" … ").size());
    // Characters are counted, not bytes: a cut never splits one.
    const std::string czech =
        Printable(std::string(100, 'a') + "čččč" + std::string(100, 'b'), 203);
    EXPECT_THAT(czech, HasSubstr(" … "));
    EXPECT_THAT(czech, HasSubstr("čč"));
    EXPECT_EQ(Printable(std::string(300, 'y'), 300), std::string(300, 'y')) << "at the limit";
}

TEST(StartupMessage, AListThatCannotBeReadSaysWhyInBothLanguages) {
    media::FileRefusal pipe;
    pipe.problem = media::FileProblem::NamedPipe;
    const auto lines =
        Lines(ListFileMessage("grafika_cz.zrk", GameFile::Graphics,
                              media::LoadFailure{"Cannot open file grafika_cz.zrk", pipe}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Soubor s grafikou \"grafika_cz.zrk\" je pojmenovaná roura, ne obyčejný "
                        "soubor. Přeinstalujte hru.");
    EXPECT_EQ(lines[1], "The graphics file \"grafika_cz.zrk\" is a named pipe, not an ordinary "
                        "file. Reinstall the game.");
    EXPECT_EQ(lines[2], "Cannot open file grafika_cz.zrk") << "the reader's own words, verbatim";

    media::FileRefusal big;
    big.problem = media::FileProblem::TooLarge;
    big.size = std::uint64_t{5} << 30;
    big.limit = 64u * 1024 * 1024;
    const std::string tooLarge = ListFileMessage("zvuky.zrk", GameFile::Sounds, {"x", big});
    EXPECT_THAT(tooLarge, HasSubstr("Soubor se zvuky \"zvuky.zrk\" je příliš velký (5 GB, smí mít "
                                    "nejvýše 64 MB)."));
    EXPECT_THAT(tooLarge, HasSubstr("The sound file \"zvuky.zrk\" is too large (5 GB; at most 64 "
                                    "MB)."));
    media::FileRefusal io;
    io.problem = media::FileProblem::Unreadable;
    io.error = EIO;
    EXPECT_THAT(ListFileMessage("zvuky.zrk", GameFile::Sounds, {"x", io}),
                HasSubstr("cannot be read (" + platform::SystemErrorText(EIO) + ")"));
}

TEST(StartupMessage, ADamagedListKeepsTheReadersTextOnItsOwnLine) {
    const std::string reader = "Error reading TPictureCollectionComponent.List: Error reading "
                               "TPictureCollectionItem.Picture.Data: DIB is invalid";
    const auto lines =
        Lines(ListFileMessage("grafika_en.zrk", GameFile::Graphics, {reader, std::nullopt}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Soubor s grafikou \"grafika_en.zrk\" je poškozený. Přeinstalujte hru.");
    EXPECT_EQ(lines[1], "The graphics file \"grafika_en.zrk\" is damaged. Reinstall the game.");
    EXPECT_EQ(lines[2], reader);
    EXPECT_THAT(ListFileMessage("email.bmp", GameFile::Picture,
                                {"Bitmap image is not valid", std::nullopt}),
                StartsWith("Soubor s obrázkem \"email.bmp\" je poškozený. Přeinstalujte hru.\n"
                           "The picture file \"email.bmp\" is damaged. Reinstall the game.\n"
                           "Bitmap image is not valid"));
    // A damaged property name comes through escaped, not as raw bytes.
    const std::string raw = "Error reading TPictureCollectionItem.Na\x83"
                            "e: Property does not exist";
    EXPECT_THAT(
        ListFileMessage("grafika_en.zrk", GameFile::Graphics, {raw, std::nullopt}),
        EndsWith("\nError reading TPictureCollectionItem.Na\\x83e: Property does not exist"));
}

TEST(StartupMessage, TooFewEntriesCountsInBothLanguages) {
    EXPECT_EQ(TooFewEntriesMessage("grafika_cz.zrk", GameFile::Graphics, 27, 28),
              "Soubor s grafikou \"grafika_cz.zrk\" obsahuje jen 27 obrázků; hra jich potřebuje 28 "
              "(čísla 0 až 27). Přeinstalujte hru.\n"
              "The graphics file \"grafika_cz.zrk\" holds 27 images; the game needs 28 (numbers 0 "
              "to 27). Reinstall the game.");
    const std::string sounds = TooFewEntriesMessage("zvuky.zrk", GameFile::Sounds, 1, 14);
    EXPECT_THAT(sounds, HasSubstr("obsahuje jen 1 zvuk;"));
    EXPECT_THAT(sounds, HasSubstr("holds 1 sound;"));
    EXPECT_THAT(TooFewEntriesMessage("zvuky.zrk", GameFile::Sounds, 3, 14), HasSubstr("3 zvuky;"));
}

TEST(StartupMessage, TheLanguageLineIsShownSafelyWithItsFile) {
    const SettingsLines plain(std::vector<std::string>{"0", "0", "cz"});
    const std::string message = UnknownLanguageMessage(plain);
    EXPECT_THAT(message, StartsWith("Třetí řádek souboru \"nastaveni.zrk\" je \"cz\"; povolené "
                                    "hodnoty jsou \"CZ\" (čeština) a \"EN\" (angličtina)."));
    EXPECT_THAT(message, HasSubstr("\nThe third line of the file \"nastaveni.zrk\" is \"cz\"; the "
                                   "accepted values are \"CZ\" (Czech) and \"EN\" (English)."));
    EXPECT_THAT(message, HasSubstr("Correct that line."));

    // UTF-16 text read as code page 1250: NUL bytes between the letters.
    const SettingsLines utf16(std::vector<std::string>{"˙ţ0",
                                                       std::string("\0"
                                                                   "0\0",
                                                                   3),
                                                       std::string("\0C\0Z\0\r\0", 7)},
                              "/home/eva/.config/sixdice/nastaveni.zrk");
    const std::string wide = UnknownLanguageMessage(utf16);
    EXPECT_EQ(wide.find('\0'), std::string::npos) << "no NUL reaches the message box";
    EXPECT_THAT(wide, HasSubstr("\"/home/eva/.config/sixdice/nastaveni.zrk\" je "
                                "\"\\x00C\\x00Z\\x00\\x0D\\x00\""));
    EXPECT_THAT(wide, HasSubstr("text saved as UTF-16 looks like this"));
    EXPECT_THAT(wide, HasSubstr("text uložený v UTF-16"));
    EXPECT_THAT(message, Not(HasSubstr("UTF-16"))) << "only where NUL bytes are";

    const SettingsLines huge(std::vector<std::string>{"0", "0", std::string(1 << 20, 'Q')});
    EXPECT_LT(UnknownLanguageMessage(huge).size(), 1000u) << "a 1 MB line is not repeated whole";
}

TEST(StartupMessage, MusicNamesFileLineAndSettingsAndGoesOn) {
    const SettingsLines settings(std::vector<std::string>{"menu.ogg", "0", "CZ"});
    media::FileRefusal missing;
    missing.problem = media::FileProblem::Missing;
    const auto lines = Lines(MusicMessage("hudba/menu.ogg", "menu.ogg", settings,
                                          "Couldn't open 'hudba/menu.ogg'", missing));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Soubor s hudbou \"hudba/menu.ogg\" chybí. Hra pokračuje bez hudby. "
                        "Opravte řádek \"menu.ogg\" v souboru \"nastaveni.zrk\": má obsahovat "
                        "název souboru ve složce \"hudba\", nebo 0 pro hru bez hudby.");
    EXPECT_EQ(lines[1], "The music file \"hudba/menu.ogg\" is missing. The game goes on without "
                        "music. Correct the line \"menu.ogg\" in the file \"nastaveni.zrk\": it "
                        "names a file in the folder \"hudba\", or 0 for no music.");
    EXPECT_EQ(lines[2], "Couldn't open 'hudba/menu.ogg'");
    const std::string undecodable = MusicMessage("hudba/menu.ogg", "menu.ogg", settings,
                                                 "Not an Ogg Vorbis audio stream", std::nullopt);
    EXPECT_THAT(undecodable, HasSubstr("\"hudba/menu.ogg\" nejde přehrát."));
    EXPECT_THAT(undecodable, HasSubstr("\"hudba/menu.ogg\" cannot be played."));
}

TEST(StartupMessage, SettingsRemediesDependOnWhoseFileItIs) {
    media::FileRefusal denied;
    denied.problem = media::FileProblem::NoPermission;
    const std::string game = SettingsUnreadableMessage("nastaveni.zrk", false, denied);
    EXPECT_THAT(game, StartsWith("Soubor s nastavením \"nastaveni.zrk\" nelze číst, chybí "
                                 "oprávnění. Přeinstalujte hru, nebo soubor opravte"));
    EXPECT_THAT(game, HasSubstr("\nThe settings file \"nastaveni.zrk\" cannot be read: permission "
                                "denied. Reinstall the game"));
    const std::string own =
        SettingsUnreadableMessage("/home/eva/.config/sixdice/nastaveni.zrk", true, denied);
    EXPECT_THAT(own, HasSubstr("Your own settings file \"/home/eva/.config/sixdice/nastaveni.zrk\" "
                               "cannot be read: permission denied. Repair it, or delete it"));
    EXPECT_THAT(own, Not(HasSubstr("Reinstall")));
}

} // namespace
} // namespace sixdice::ui
