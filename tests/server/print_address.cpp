// Prints the submission address the game's own scores library builds, so that the server's
// tests send exactly what the game sends.
//   print_address BASE NAME VALUE EMAIL RAND     (NAME and EMAIL in UTF-8)
//   print_address --table BASE                   the menu's on-line table link
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/CheckValue.h"
#include "scores/Submission.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using namespace sixdice::scores;
    if (argc == 3 && std::string(argv[1]) == "--table") {
        std::printf("%s\n", OnlineTableAddress(argv[2]).c_str());
        return 0;
    }
    if (argc != 6) {
        std::fprintf(stderr, "usage: print_address BASE NAME VALUE EMAIL RAND\n"
                             "       print_address --table BASE\n");
        return 2;
    }
    const auto value = static_cast<std::int32_t>(std::strtol(argv[3], nullptr, 10));
    const auto r = static_cast<std::uint32_t>(std::strtoul(argv[5], nullptr, 10));
    const std::string check = CheckValue(argv[2], value, r);
    std::printf("%s\n", SubmissionAddress(argv[1], argv[2], value, argv[4], r, check).c_str());
    return 0;
}
