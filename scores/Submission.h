// The on-line submission's address: server, path, query keys and the check value.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Clock.h"
#include "game/Random.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sixdice::scores {

// The on-line table's base address (scheme and host): the environment variable
// SIXDICE_SCORE_SERVER when set and not empty, otherwise the address the build was configured with.
std::string ScoreServerBase();

// The table's own page, opened from the menu: base + "/savescore.php?gid=43".
std::string OnlineTableAddress(std::string_view serverBase);

// RFC 3986 percent-encoding of the code page 1250 bytes of a UTF-8 text: letters, digits and
// "-._~" stay, every other byte becomes %XX (upper-case hex).
std::string PercentEncode(std::string_view utf8);

// base + "/savescore.php?gid=43&player=" name "&score=" value "&email=" email "&rand=" r
// "&check=" check, every query value percent-encoded.
std::string SubmissionAddress(std::string_view serverBase, std::string_view bestName,
                              std::int32_t bestValue, std::string_view email, std::uint32_t r,
                              std::string_view checkValue);

struct Submission {
    std::uint32_t r = 0;
    std::string checkValue;
    std::string address;
};

// Reseeds the generator from the clock, draws r from 0..9999, computes the check value and
// builds the address (what the send button does before handing the address to the browser).
Submission PrepareSubmission(std::string_view serverBase, std::string_view bestName,
                             std::int32_t bestValue, std::string_view email, game::Random& random,
                             const game::Clock& clock);

} // namespace sixdice::scores
