// The `zrk` commands: list, extract and pack list files, with their output and exit status.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/zrk/Listing.h"

#include <string>
#include <vector>

namespace sixdice::zrk {

// What a command printed and how it ends: 0 done, 1 failed, 2 bad arguments.
struct Outcome {
    int exitCode = 0;
    std::string out;
    std::string err;
};

Outcome ListCommand(const std::string& file);
Outcome ExtractCommand(const std::string& file, const std::string& dir);
Outcome PackCommand(ListKind kind, const std::string& dir, const std::string& outFile);

// Parses the arguments (without the program name) and runs the command they name.
Outcome RunZrk(const std::vector<std::string>& args);

} // namespace sixdice::zrk
