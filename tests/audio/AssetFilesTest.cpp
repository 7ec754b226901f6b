// The generated run folder: the sound list, the music loops, the settings file and the rules pages.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "tests/support/BuildPaths.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vorbis/vorbisfile.h>

namespace sixdice {
namespace {

namespace fs = std::filesystem;

const fs::path kRun = build_paths::assetDir;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream s;
    s << file.rdbuf();
    return s.str();
}

#define REQUIRE_FILE(path)                                                                         \
    if (!fs::exists(path)) {                                                                       \
        GTEST_SKIP() << (path) << " has not been generated";                                       \
    }

std::vector<std::int16_t> SamplesOf(const media::SoundEntry& e) {
    std::vector<std::int16_t> s(e.samples.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<std::int16_t>(e.samples[2 * i] | e.samples[2 * i + 1] << 8);
    }
    return s;
}

struct LengthLimit {
    int sound;
    double atLeast;
    double below;
};

// What the game waits for stays short; the others are short as well.
constexpr LengthLimit kLimits[] = {
    {0, 0.02, 0.2}, {1, 0.01, 0.12}, {2, 0.3, 1.6},   {3, 0.1, 0.6},    {4, 0.4, 0.8},
    {5, 0.1, 1.0},  {6, 0.5, 2.0},   {7, 0.1, 0.8},   {8, 0.1, 0.8},    {9, 0.1, 0.8},
    {10, 0.1, 0.8}, {11, 0.3, 1.6},  {12, 0.02, 0.2}, {13, 0.01, 0.12},
};

TEST(SoundList, HoldsFourteenMonoPcmSoundsOfFittingLengthAndLevel) {
    const fs::path file = kRun / "zvuky.zrk";
    REQUIRE_FILE(file);
    media::SoundList list;
    ASSERT_EQ(media::LoadSoundList(file.string(), list), std::nullopt);
    ASSERT_EQ(list.entries.size(), 14u);
    for (const LengthLimit& limit : kLimits) {
        const media::SoundEntry& e = list.entries[limit.sound];
        const media::WaveFormat f = e.waveFormat();
        SCOPED_TRACE("sound " + std::to_string(limit.sound) + " '" + e.name + "'");
        EXPECT_EQ(e.format.size(), 16u);
        EXPECT_EQ(f.formatTag, 1);
        EXPECT_EQ(f.bitsPerSample, 16);
        EXPECT_EQ(f.channels, 1);
        EXPECT_TRUE(f.sampleRate == 44100 || f.sampleRate == 22050) << f.sampleRate;
        EXPECT_EQ(f.blockAlign, 2);
        EXPECT_EQ(f.bytesPerSecond, f.sampleRate * 2);
        EXPECT_FALSE(e.looped);
        ASSERT_TRUE(e.hasRecording());
        ASSERT_EQ(e.samples.size() % 2, 0u);
        const auto s = SamplesOf(e);
        const double seconds = static_cast<double>(s.size()) / f.sampleRate;
        EXPECT_GE(seconds, limit.atLeast);
        EXPECT_LT(seconds, limit.below);
        int peak = 0;
        for (std::int16_t v : s) {
            peak = std::max(peak, std::abs(int(v)));
        }
        const double dbfs = 20.0 * std::log10(peak / 32768.0);
        EXPECT_GE(dbfs, -6.0);
        EXPECT_LE(dbfs, -1.0);
        EXPECT_LE(std::abs(int(s.front())), 33)
            << "the sound must start at silence (below -60 dBFS)";
        EXPECT_LE(std::abs(int(s.back())), 33) << "the sound must end at silence (below -60 dBFS)";
    }
    for (std::size_t a = 0; a < list.entries.size(); ++a) {
        for (std::size_t b = a + 1; b < list.entries.size(); ++b) {
            EXPECT_NE(list.entries[a].samples, list.entries[b].samples)
                << "sounds " << a << " and " << b << " are the same recording";
        }
    }
}

std::vector<std::string> SettingsLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(SettingsFile, NamesBothMusicFilesAndStartsInCzech) {
    const fs::path file = kRun / "nastaveni.zrk";
    REQUIRE_FILE(file);
    const std::string text = ReadAll(file);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << "the last line is ended too";
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "lines end with CR LF";
    const auto lines = SettingsLines(text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "CZ");
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(lines[i], "0");
        EXPECT_EQ(lines[i].find_first_of("\\/\r\n"), std::string::npos) << lines[i];
        EXPECT_TRUE(fs::exists(kRun / "hudba" / lines[i])) << "line " << i + 1 << ": " << lines[i];
    }
    EXPECT_NE(lines[0], lines[1]) << "the menu and the game have their own pieces";
    for (unsigned char c : text) {
        EXPECT_LT(c, 128) << "the settings are plain ASCII";
    }
}

struct Decoded {
    double seconds = 0.0;
    int channels = 0;
    long rate = 0;
    std::vector<float> head; // first channel, first samples
    std::vector<float> tail; // first channel, last samples
    double rms = 0.0;
};

bool Decode(const fs::path& file, Decoded& out) {
    OggVorbis_File vf;
    if (ov_fopen(file.string().c_str(), &vf) != 0) {
        return false;
    }
    out.seconds = ov_time_total(&vf, -1);
    const vorbis_info* info = ov_info(&vf, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    const std::size_t keep = static_cast<std::size_t>(out.rate / 20); // 50 ms
    std::vector<float> all;
    double sum = 0.0;
    std::size_t count = 0;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n <= 0) {
            break;
        }
        for (long i = 0; i < n; ++i) {
            if (out.head.size() < keep) {
                out.head.push_back(pcm[0][i]);
            }
            all.push_back(pcm[0][i]);
            sum += double(pcm[0][i]) * pcm[0][i];
            ++count;
        }
        if (all.size() > 4 * keep) {
            all.erase(all.begin(), all.end() - static_cast<long>(keep));
        }
    }
    ov_clear(&vf);
    out.tail.assign(all.end() - static_cast<long>(std::min(keep, all.size())), all.end());
    out.rms = count ? std::sqrt(sum / count) : 0.0;
    return true;
}

double Rms(const std::vector<float>& s) {
    double sum = 0.0;
    for (float v : s) {
        sum += double(v) * v;
    }
    return s.empty() ? 0.0 : std::sqrt(sum / s.size());
}

TEST(Music, TwoVorbisLoopsOfFortyFiveToHundredTwentySecondsUnderTwoMegabytes) {
    const fs::path settings = kRun / "nastaveni.zrk";
    REQUIRE_FILE(settings);
    const auto lines = SettingsLines(ReadAll(settings));
    ASSERT_GE(lines.size(), 2u);
    std::uintmax_t total = 0;
    for (int i = 0; i < 2; ++i) {
        const fs::path file = kRun / "hudba" / lines[i];
        SCOPED_TRACE(file.string());
        ASSERT_TRUE(fs::exists(file));
        total += fs::file_size(file);
        const std::string bytes = ReadAll(file);
        ASSERT_GE(bytes.size(), 64u);
        EXPECT_EQ(bytes.substr(0, 4), "OggS");
        EXPECT_EQ(bytes.substr(28, 7), std::string("\x01vorbis", 7))
            << "the first packet is Vorbis'";
        Decoded d;
        ASSERT_TRUE(Decode(file, d));
        EXPECT_GE(d.seconds, 45.0);
        EXPECT_LE(d.seconds, 120.0);
        EXPECT_EQ(d.channels, 2);
        EXPECT_EQ(d.rate, 44100);
        // A loop neither starts nor ends in a gap, and is not a quiet test tone.
        EXPECT_GT(Rms(d.head), 0.01) << "the loop starts with sound";
        EXPECT_GT(Rms(d.tail), 0.01) << "the loop ends with sound";
        EXPECT_GT(d.rms, 0.05);
        ASSERT_FALSE(d.head.empty());
        ASSERT_FALSE(d.tail.empty());
        EXPECT_LT(std::fabs(d.head.front() - d.tail.back()), 0.1)
            << "no jump where the loop repeats";
    }
    EXPECT_LT(total, 2u * 1024 * 1024);
    EXPECT_NE(ReadAll(kRun / "hudba" / lines[0]), ReadAll(kRun / "hudba" / lines[1]));
}

struct RulesPage {
    const char* file;
    const char* language;
    std::vector<std::string> mustMention;
};

TEST(RulesDocuments, DeclareTheirEncodingAndCoverTheRules) {
    const RulesPage pages[] = {
        {"pravidla.htm",
         "cs",
         {"Jedničky", "Dvojky", "Trojky", "Čtyřky", "Pětky", "Šestky", "Postupka",
          "Jedna, dvojice, trojice", "Trojice, dvojice, jedna", "Tři dvojice", "Čtveřice a dvojice",
          "Dvě trojice", "Šest stejných", "Schované hody", "Přeskočení tahu", "Konec hry",
          "highscore", "On-line", "jeden bod"}},
        {"rules.htm",
         "en",
         {"Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "Straight", "Single, pair, triple",
          "Triple, pair, single", "Three pairs", "Four and a pair", "Two triples", "Six of a kind",
          "Saved throws", "Passing", "The end of the game", "highscore value", "on-line",
          "one point"}},
    };
    for (const RulesPage& page : pages) {
        const fs::path file = kRun / page.file;
        REQUIRE_FILE(file);
        SCOPED_TRACE(page.file);
        const std::string html = ReadAll(file);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(html.find(std::string("<html lang=\"") + page.language + "\">"),
                  std::string::npos);
        for (const std::string& term : page.mustMention) {
            EXPECT_NE(html.find(term), std::string::npos) << "does not mention " << term;
        }
        // Valid UTF-8 throughout.
        for (std::size_t i = 0; i < html.size();) {
            const auto c = static_cast<unsigned char>(html[i]);
            const int extra = c < 0x80         ? 0
                              : (c >> 5) == 6  ? 1
                              : (c >> 4) == 14 ? 2
                              : (c >> 3) == 30 ? 3
                                               : -1;
            ASSERT_GE(extra, 0) << "bad UTF-8 lead byte at " << i;
            for (int k = 1; k <= extra; ++k) {
                ASSERT_LT(i + k, html.size());
                ASSERT_EQ(static_cast<unsigned char>(html[i + k]) >> 6, 2) << "bad UTF-8 at " << i;
            }
            i += 1 + extra;
        }
    }
}

} // namespace
} // namespace sixdice
