// Dice helper of the end-to-end play-through: the time of day at which a throw shows given faces.
// The game reseeds its dice from the UTC time of day in milliseconds at every throw, so a test
// that sets the clock (faketime) chooses the dice.
//   e2e_dice moment HELD FACE...   HELD: six characters, "x" for a held die, "." for a free one;
//                                  one FACE (1..6) for each free die, left to right. Prints
//                                  HH:MM:SS.mmm, the first such moment of the day.
//   e2e_dice rand HH:MM:SS.mmm     the random number (0..9999) the send button draws at that
//                                  moment
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Random.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t MillisecondsPerDay = 86'400'000;

int Moment(const char* held, const std::vector<int>& faces) {
    std::vector<bool> free;
    for (const char* c = held; *c; ++c) {
        free.push_back(*c == '.');
    }
    std::size_t freeCount = 0;
    for (bool f : free) {
        freeCount += f ? 1 : 0;
    }
    if (free.size() != 6 || freeCount != faces.size()) {
        std::fprintf(stderr, "give six hold marks and one face per free die\n");
        return 2;
    }
    for (std::uint32_t ms = 0; ms < MillisecondsPerDay; ++ms) {
        sixdice::game::Random random(ms);
        std::size_t next = 0;
        bool match = true;
        for (bool f : free) {
            if (f && random.NextFace() != faces[next++]) {
                match = false;
                break;
            }
        }
        if (match) {
            std::printf("%02u:%02u:%02u.%03u\n", ms / 3'600'000, ms / 60'000 % 60, ms / 1000 % 60,
                        ms % 1000);
            return 0;
        }
    }
    std::fprintf(stderr, "no moment of the day throws these faces\n");
    return 1;
}

int Rand(const char* moment) {
    unsigned h = 0, m = 0, sec = 0, ms = 0;
    if (std::sscanf(moment, "%u:%u:%u.%u", &h, &m, &sec, &ms) != 4) {
        std::fprintf(stderr, "give the moment as HH:MM:SS.mmm\n");
        return 2;
    }
    sixdice::game::Random random(((h * 60 + m) * 60 + sec) * 1000 + ms);
    std::printf("%u\n", random.Next(10000));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "rand") == 0) {
        return Rand(argv[2]);
    }
    if (argc >= 3 && std::strcmp(argv[1], "moment") == 0) {
        std::vector<int> faces;
        for (int i = 3; i < argc; ++i) {
            faces.push_back(std::atoi(argv[i]));
        }
        return Moment(argv[2], faces);
    }
    std::fprintf(stderr,
                 "usage: e2e_dice moment HELD FACE...\n       e2e_dice rand HH:MM:SS.mmm\n");
    return 2;
}
