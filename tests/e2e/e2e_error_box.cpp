// The error box as the game shows it before its services exist: SDL's video and fonts started
// just for the box (standard error only when headless or without a display).
//   e2e_error_box MESSAGE
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Services.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e_error_box MESSAGE\n");
        return 2;
    }
    sixdice::media::ShowErrorWithoutServices("Šest kostek", argv[1]);
    return 0;
}
