// The pieces drawn over the board: dice faces, hold markers, player plates and the throw
// picture, and the places where the game writes its texts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/art/ArtFiles.h"

#include <cmath>
#include <vector>

namespace sixdice::art::test {
namespace {

// Dark blobs inside the die's face (4-connected), ignoring its rim and the tray around it.
int CountPips(const media::Picture& die) {
    const int x0 = 8;
    const int y0 = 8;
    const int x1 = die.width - 8;
    const int y1 = die.height - 8;
    std::vector<bool> seen(std::size_t(die.width) * die.height, false);
    auto dark = [&](int x, int y) { return Luminance(die.at(x, y)) < 90; };
    int blobs = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (!dark(x, y) || seen[std::size_t(y) * die.width + x]) {
                continue;
            }
            ++blobs;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[std::size_t(y) * die.width + x] = true;
            while (!stack.empty()) {
                const auto [cx, cy] = stack.back();
                stack.pop_back();
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = cx + dx;
                    const int ny = cy + dy;
                    if (nx < x0 || ny < y0 || nx >= x1 || ny >= y1 || !dark(nx, ny) ||
                        seen[std::size_t(ny) * die.width + nx]) {
                        continue;
                    }
                    seen[std::size_t(ny) * die.width + nx] = true;
                    stack.push_back({nx, ny});
                }
            }
        }
    }
    return blobs;
}

TEST(DieFace, ShowsItsValueInPips) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        for (int value = 1; value <= 6; ++value) {
            const media::Picture& die = list->entries[std::size_t(8 + value)].picture;
            EXPECT_EQ(CountPips(die), value)
                << LanguageName(language) << " image " << 8 + value << " should show " << value;
            EXPECT_GT(Luminance(die.at(25, 9)), 200) << "the die's face is ivory";
        }
    }
}

TEST(DieFace, FitsEveryPlaceOfTheDiceRowWithoutASeam) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& board = list->entries[15].picture;
        const media::Picture& thrown = list->entries[25].picture;
        for (int i = 0; i < 6; ++i) {
            for (int value = 1; value <= 6; ++value) {
                const media::Picture& die = list->entries[std::size_t(8 + value)].picture;
                // The outermost ring of a die image is the empty tray the board shows there.
                for (int k = 0; k < 50; ++k) {
                    for (const auto& [x, y] : {std::pair{k, 0}, {k, 49}, {0, k}, {49, k}}) {
                        ASSERT_LE(ChannelDistance(die.at(x, y), board.at(50 * i + x, y)), 2)
                            << LanguageName(language) << " die " << value << " in place " << i + 1
                            << " at " << x << "," << y;
                        ASSERT_LE(
                            ChannelDistance(thrown.at(50 * i + x, y), board.at(50 * i + x, y)), 2)
                            << LanguageName(language) << " throw picture, place " << i + 1;
                    }
                }
            }
        }
    }
}

TEST(ThrowPicture, ShowsDiceInEveryPlace) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& board = list->entries[15].picture;
        const media::Picture& thrown = list->entries[25].picture;
        for (int i = 0; i < 6; ++i) {
            int ivory = 0;
            int boardIvory = 0;
            for (int y = 0; y < 50; ++y) {
                for (int x = 50 * i; x < 50 * i + 50; ++x) {
                    ivory += Luminance(thrown.at(x, y)) > 190;
                    boardIvory += Luminance(board.at(x, y)) > 190;
                }
            }
            EXPECT_EQ(boardIvory, 0) << "an empty tray shows no die";
            EXPECT_GT(ivory, 300) << LanguageName(language) << " place " << i + 1;
        }
    }
}

TEST(HoldMarker, HeldAndFreeAreToldApartAtAGlance) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& free = list->entries[18].picture;
        const media::Picture& held = list->entries[19].picture;
        double freeLight = 0;
        double heldLight = 0;
        int heldRed = 0;
        int freeRed = 0;
        for (int y = 0; y < free.height; ++y) {
            for (int x = 0; x < free.width; ++x) {
                freeLight += Luminance(free.at(x, y));
                heldLight += Luminance(held.at(x, y));
                heldRed += Red(held.at(x, y)) > 150 && Green(held.at(x, y)) < 90;
                freeRed += Red(free.at(x, y)) > 150 && Green(free.at(x, y)) < 90;
            }
        }
        const double area = free.width * free.height;
        EXPECT_GT(heldLight / area - freeLight / area, 40)
            << LanguageName(language) << ": a held die's marker should be far brighter";
        EXPECT_GT(heldRed, 100) << LanguageName(language) << ": the held seal is red";
        EXPECT_EQ(freeRed, 0) << LanguageName(language);
    }
}

TEST(HoldMarker, SitsOnThePlainRailOfTheBoard) {
    // The markers are opaque: their corners must be the rail the board shows around them.
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& board = list->entries[15].picture;
        for (const int image : {18, 19}) {
            const media::Picture& marker = list->entries[std::size_t(image)].picture;
            for (int i = 0; i < 6; ++i) {
                const int x0 = 10 + 50 * i;
                for (const auto& [x, y] : {std::pair{0, 0},
                                           {marker.width - 1, 0},
                                           {0, marker.height - 1},
                                           {marker.width - 1, marker.height - 1}}) {
                    const int beside = x == 0 ? x0 - 1 : x0 + marker.width;
                    EXPECT_LE(ChannelDistance(marker.at(x, y), board.at(beside, 52 + y)), 2)
                        << LanguageName(language) << " marker " << image << " in place " << i + 1;
                }
            }
        }
    }
}

TEST(PlayerPlate, KeepsNamesReadableAndMarksThePlayerOnTurn) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& lit = list->entries[16].picture;
        const media::Picture& plain = list->entries[17].picture;
        // Names are written at (10 + 135 (p - 1), 125), 12 points, in black or green (0, 128, 0):
        // the plate behind the letters must be light.
        double difference = 0;
        int samples = 0;
        for (int y = 6; y < 20; ++y) {
            for (int x = 6; x < 100; ++x) {
                difference += ChannelDistance(lit.at(x, y), plain.at(x, y));
                ++samples;
                ASSERT_GT(Luminance(lit.at(x, y)), 140) << LanguageName(language) << " lit " << x;
                ASSERT_GT(Luminance(plain.at(x, y)), 140) << LanguageName(language) << " " << x;
            }
        }
        EXPECT_GT(difference / samples, 40)
            << LanguageName(language) << ": the player on turn should stand out";
    }
}

TEST(BoardPicture, LeavesTheFiguresPlacesPlainAndLight) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& board = list->entries[15].picture;
        // Figures: 9 points from x = 102 + 135 (p - 1), cells from y 156 every 15, throws at 367,
        // total at 397. Everything under them is paper: light, with no ink.
        std::vector<int> tops;
        for (int c = 0; c < 13; ++c) {
            tops.push_back(156 + 15 * c);
        }
        tops.push_back(367);
        tops.push_back(397);
        for (int p = 1; p <= 4; ++p) {
            const int x0 = 102 + 135 * (p - 1);
            for (const int top : tops) {
                for (int y = top + 1; y < top + 14; ++y) {
                    for (int x = x0; x < x0 + 28; ++x) {
                        ASSERT_GT(Luminance(board.at(x, y)), 190)
                            << LanguageName(language) << " column " << p << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(HighscoreScreen, LeavesADarkPlainBandForTheWhiteLines) {
    for (const Language language : kLanguages) {
        SIXDICE_REQUIRE_ART(list, language);
        const media::Picture& screen = list->entries[22].picture;
        // White 12-point line at y 120 and 16-point value at y 160, both centred on x 200.
        for (int y = 118; y < 190; ++y) {
            for (int x = 30; x < 370; ++x) {
                ASSERT_LT(Luminance(screen.at(x, y)), 60)
                    << LanguageName(language) << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace sixdice::art::test
