// The check value and the submission address; the digests were computed independently with
// printf '%s' INPUT | iconv -f UTF-8 -t CP1250 | md5sum.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Submission.h"

#include "platform/Environment.h"
#include "scores/CheckValue.h"
#include "scores/Cp1250.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace sixdice::scores {
namespace {

TEST(CheckValue, JoinsGameNameValueSaltAndNumberWithNothingBetween) {
    EXPECT_EQ(CheckInput("Eva", 1000, 42), "43Eva10005b0d7e21c442");
    EXPECT_EQ(CheckInput("Eva", -25, 0), "43Eva-255b0d7e21c40");
    EXPECT_EQ(CheckInput("", 0, 9999), "4305b0d7e21c49999");
}

TEST(CheckValue, MatchesIndependentlyComputedDigests) {
    EXPECT_EQ(CheckValue("Eva", 1000, 42), "56477d2f1507b18994fcdcaed29c5c7c");
    EXPECT_EQ(CheckValue("Eva", 1000, 4888), "406c2fe4156169cb1800fb83ee417936");
    // Czech letters are hashed as their code page 1250 bytes, not as UTF-8.
    EXPECT_EQ(CheckValue("Čížková", 840, 9999), "078213a091dd313dbe8a1bf59534c296");
    EXPECT_NE(Md5Hex("43Čížková8405b0d7e21c49999"), "078213a091dd313dbe8a1bf59534c296");
    EXPECT_EQ(CheckValue("Jan & Petr #1 č", 300, 7), "0071878fa626c3aab29aa50586ebbbd5")
        << "the check input stays unescaped";
}

TEST(CheckValue, IsAlways32LowerCaseHexDigits) {
    for (std::uint32_t r : {0u, 1u, 42u, 9999u}) {
        const std::string check = CheckValue("Iva", 123456, r);
        ASSERT_EQ(check.size(), 32u);
        for (char c : check) {
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) << check;
        }
    }
    EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(Cp1250, CzechLettersBecomeSingleBytes) {
    EXPECT_EQ(ToCp1250("Čížková"), "\xC8\xED\x9E\x6B\x6F\x76\xE1");
    EXPECT_EQ(ToCp1250("č"), "\xE8");
    EXPECT_EQ(ToCp1250("plain"), "plain");
    EXPECT_TRUE(IsCp1250Representable("hráč 1 ěščřžýáíéůú"));
}

TEST(Cp1250, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(ToCp1250("a\xE2\x82\xAC"
                       "b"),
              "a\x80"
              "b")
        << "the euro sign exists in it";
    EXPECT_EQ(ToCp1250("x\xE6\x97\xA5y"), "x?y") << "a CJK character does not";
    EXPECT_EQ(ToCp1250("x\xF0\x9F\x8E\xB2y"), "x?y") << "nor a die emoji";
    EXPECT_EQ(ToCp1250("a\xC3"
                       "b"),
              "a?b")
        << "a broken sequence costs one byte only";
    EXPECT_EQ(ToCp1250("ab\xC4"), "ab?") << "a sequence cut off at the end";
    EXPECT_FALSE(IsCp1250Representable("日本"));
}

TEST(PercentEncode, KeepsUnreservedAndEncodesEveryOtherByte) {
    EXPECT_EQ(PercentEncode("Eva-1._~Z9"), "Eva-1._~Z9");
    EXPECT_EQ(PercentEncode("a&b=c#d+e f"), "a%26b%3Dc%23d%2Be%20f");
    EXPECT_EQ(PercentEncode("č@/?%"), "%E8%40%2F%3F%25");
    EXPECT_EQ(PercentEncode(""), "");
}

TEST(SubmissionAddress, PlainNamesGiveTheAddressAsTyped) {
    EXPECT_EQ(SubmissionAddress("http://127.0.0.1:8043", "Eva", 1000, "eva-novak.2", 42,
                                "56477d2f1507b18994fcdcaed29c5c7c"),
              "http://127.0.0.1:8043/savescore.php?gid=43&player=Eva&score=1000"
              "&email=eva-novak.2&rand=42&check=56477d2f1507b18994fcdcaed29c5c7c");
    EXPECT_EQ(SubmissionAddress("http://example.org", "Jan", -5, "", 0, "x"),
              "http://example.org/savescore.php?gid=43&player=Jan&score=-5&email=&rand=0&check=x")
        << "an empty e-mail is sent as an empty value";
}

TEST(SubmissionAddress, EscapesEveryFieldSoNoneCanBreakTheQuery) {
    const std::string check = CheckValue("Jan & Petr #1 č", 300, 7);
    const std::string address = SubmissionAddress("http://127.0.0.1:8043/", "Jan & Petr #1 č", 300,
                                                  "a&score=9 #x@č.cz", 7, check);
    EXPECT_EQ(address, "http://127.0.0.1:8043/savescore.php?gid=43"
                       "&player=Jan%20%26%20Petr%20%231%20%E8&score=300"
                       "&email=a%26score%3D9%20%23x%40%E8.cz&rand=7&check=" +
                           check);
    EXPECT_EQ(address.find('#'), std::string::npos);
    EXPECT_EQ(address.find(' '), std::string::npos);
}

TEST(PrepareSubmission, DrawsTheNumberFromTheClockSeededGenerator) {
    game::FixedClock clock(game::TimeOfDay(12, 34, 56, 789));
    game::Random random;
    const Submission s =
        PrepareSubmission("http://127.0.0.1:8043", "Eva", 1000, "eva@example.org", random, clock);
    EXPECT_EQ(s.r, 4888u);
    EXPECT_EQ(s.checkValue, "406c2fe4156169cb1800fb83ee417936");
    EXPECT_EQ(s.address, "http://127.0.0.1:8043/savescore.php?gid=43&player=Eva&score=1000"
                         "&email=eva%40example.org&rand=4888"
                         "&check=406c2fe4156169cb1800fb83ee417936");
}

TEST(PrepareSubmission, AttemptsAtOtherMomentsCarryOtherChecks) {
    game::Random random;
    game::FixedClock first(game::TimeOfDay(20, 0, 0, 1));
    game::FixedClock second(game::TimeOfDay(20, 0, 3, 250));
    const Submission a = PrepareSubmission("http://h", "Eva", 900, "", random, first);
    const Submission b = PrepareSubmission("http://h", "Eva", 900, "", random, second);
    EXPECT_NE(a.r, b.r);
    EXPECT_NE(a.checkValue, b.checkValue);
    for (std::uint32_t ms = 0; ms < 86400000u; ms += 86399u) {
        game::FixedClock clock(ms);
        EXPECT_LT(PrepareSubmission("http://h", "E", 1, "", random, clock).r, 10000u);
    }
}

TEST(ScoreServer, EnvironmentOverridesTheConfiguredServer) {
    platform::SetEnv("SIXDICE_SCORE_SERVER", std::nullopt);
    const std::string configured = ScoreServerBase();
    EXPECT_FALSE(configured.empty());
    platform::SetEnv("SIXDICE_SCORE_SERVER", "http://scores.test:9000");
    EXPECT_EQ(ScoreServerBase(), "http://scores.test:9000");
    platform::SetEnv("SIXDICE_SCORE_SERVER", "");
    EXPECT_EQ(ScoreServerBase(), configured) << "an empty variable does not count";
    platform::SetEnv("SIXDICE_SCORE_SERVER", std::nullopt);
    EXPECT_EQ(OnlineTableAddress("http://scores.test:9000/"),
              "http://scores.test:9000/savescore.php?gid=43");
}

} // namespace
} // namespace sixdice::scores
