// The `zrk` commands: list, extract and pack list files, with their output and exit status.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/zrk/Listing.h"

#include <optional>
#include <string>
#include <vector>

namespace sixdice::zrk {

// What a command printed and how it ends: 0 done, 1 failed, 2 bad arguments.
struct Outcome {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Without a kind, the file's content decides (KindDetection.h); a file that cannot tell is read
// as images, with a note on standard error.
Outcome ListCommand(const std::string& file, std::optional<ListKind> kind = std::nullopt);
Outcome ExtractCommand(const std::string& file, const std::string& dir,
                       std::optional<ListKind> kind = std::nullopt);
Outcome PackCommand(ListKind kind, const std::string& dir, const std::string& outFile);

// Parses the arguments (without the program name) and runs the command they name; every failure
// is a message with exit code 1, never an exception.
Outcome RunZrk(const std::vector<std::string>& args);

} // namespace sixdice::zrk
