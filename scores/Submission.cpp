// Building the submission address; values are escaped so that no field can break the query.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Submission.h"

#include "scores/CheckValue.h"
#include "scores/Cp1250.h"

#include <cstdlib>

#ifndef SIXDICE_SCORE_SERVER_DEFAULT
#define SIXDICE_SCORE_SERVER_DEFAULT "http://127.0.0.1:8043"
#endif

namespace sixdice::scores {
namespace {

std::string WithoutTrailingSlashes(std::string_view base) {
    while (!base.empty() && base.back() == '/') {
        base.remove_suffix(1);
    }
    return std::string(base);
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string ScoreServerBase() {
    const char* fromEnvironment = std::getenv("SIXDICE_SCORE_SERVER");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    return SIXDICE_SCORE_SERVER_DEFAULT;
}

std::string OnlineTableAddress(std::string_view serverBase) {
    return WithoutTrailingSlashes(serverBase) + "/savescore.php?gid=" + std::string(GameId);
}

std::string PercentEncode(std::string_view utf8) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char byte : ToCp1250(utf8)) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c)) {
            out.push_back(byte);
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0x0F]);
        }
    }
    return out;
}

std::string SubmissionAddress(std::string_view serverBase, std::string_view bestName,
                              std::int32_t bestValue, std::string_view email, std::uint32_t r,
                              std::string_view checkValue) {
    std::string address = WithoutTrailingSlashes(serverBase);
    address += "/savescore.php?gid=";
    address += GameId;
    address += "&player=" + PercentEncode(bestName);
    address += "&score=" + PercentEncode(std::to_string(bestValue));
    address += "&email=" + PercentEncode(email);
    address += "&rand=" + PercentEncode(std::to_string(r));
    address += "&check=" + PercentEncode(checkValue);
    return address;
}

Submission PrepareSubmission(std::string_view serverBase, std::string_view bestName,
                             std::int32_t bestValue, std::string_view email, game::Random& random,
                             const game::Clock& clock) {
    Submission submission;
    random.Reseed(clock);
    submission.r = random.Next(10000);
    submission.checkValue = CheckValue(bestName, bestValue, submission.r);
    submission.address = SubmissionAddress(serverBase, bestName, bestValue, email, submission.r,
                                           submission.checkValue);
    return submission;
}

} // namespace sixdice::scores
