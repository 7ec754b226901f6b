// Every seed file's listing and message, compared with the checked-in golden listing.
// Any change in what the reader makes of valid or broken files is thereby a reviewed change.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/BuildPaths.h"
#include "tools/zrk/Commands.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace sixdice::zrk {
namespace {

namespace fs = std::filesystem;

std::string CurrentListing() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(build_paths::fuzzCorpusDir)) {
        const auto ext = entry.path().extension();
        if (ext == ".zrk") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::string out;
    for (const auto& f : files) {
        const Outcome o = ListCommand(f.string());
        out += "== " + f.filename().string() + " exit " + std::to_string(o.exitCode) + "\n" + o.out;
        if (!o.err.empty()) {
            out += "! " + o.err;
        }
    }
    return out;
}

TEST(GoldenListing, SeedFilesListAsRecorded) {
    const std::string current = CurrentListing();
    const fs::path golden = fs::path(build_paths::goldenDir) / "seed_listing.txt";
    if (std::getenv("SIXDICE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << current;
        GTEST_SKIP() << "golden listing rewritten: " << golden;
    }
    std::ifstream in(golden, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << golden;
    const std::string expected((std::istreambuf_iterator<char>(in)), {});
    std::istringstream a(expected), b(current);
    std::string la, lb;
    int line = 0;
    while (true) {
        const bool ha = bool(std::getline(a, la)), hb = bool(std::getline(b, lb));
        ++line;
        if (!ha && !hb) {
            break;
        }
        ASSERT_EQ(ha ? la : "<end>", hb ? lb : "<end>")
            << "line " << line << " of " << golden
            << " (run with SIXDICE_UPDATE_GOLDEN=1 to record a reviewed change)";
    }
}

} // namespace
} // namespace sixdice::zrk
