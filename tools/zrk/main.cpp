// `zrk`: look inside, extract and repack the game's graphics and sound list files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zrk/Commands.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const sixdice::zrk::Outcome outcome = sixdice::zrk::RunZrk(args);
        std::cout << outcome.out << std::flush;
        std::cerr << outcome.err << std::flush;
        return outcome.exitCode;
    } catch (...) {
        // Only printing is left here (the commands catch their own failures): no memory for it.
        std::fputs("zrk: out of memory\n", stderr);
        return 1;
    }
}
