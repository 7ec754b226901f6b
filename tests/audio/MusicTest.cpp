// Music descriptions, the composer's parts and the seamless loop.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Composer.h"
#include "tools/audiobuild/Instruments.h"
#include "tools/audiobuild/MusicRender.h"
#include "tools/audiobuild/MusicScript.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace sixdice::audio {
namespace {

constexpr const char* kPiece = R"(
tempo 120
meter 4
seed 7
key C major
section A  C Am F G | C Am Dm7,G7 C
section B  F G Em Am
form A B A
part pad    gain=0.2
part bass   pattern=R...F...
part arp    pattern=0123 octave=4
part melody octave=5 range=12 density=0.7
part drums  kick=x...x... hat=..x...x.
)";

MusicPiece Parsed(const char* text) {
    MusicPiece piece;
    const auto error = ParseMusicScript(text, piece);
    EXPECT_EQ(error, std::nullopt);
    return piece;
}

Composition Composed(const MusicPiece& piece) {
    Composition c;
    const auto error = Compose(piece, c);
    EXPECT_EQ(error, std::nullopt);
    return c;
}

const Track& TrackOf(const Composition& c, const std::string& kind) {
    for (const Track& t : c.tracks) {
        if (t.kind == kind) {
            return t;
        }
    }
    throw std::runtime_error("no " + kind + " track");
}

TEST(MusicScript, ReadsTheWholePiece) {
    const MusicPiece piece = Parsed(kPiece);
    EXPECT_EQ(piece.tempo, 120.0);
    EXPECT_EQ(piece.Bars(), 20);
    EXPECT_EQ(piece.Beats(), 80.0);
    EXPECT_DOUBLE_EQ(piece.Seconds(), 40.0);
    ASSERT_EQ(piece.sections.at("A").bars.size(), 8u);
    EXPECT_EQ(piece.sections.at("A").bars[6].size(), 2u) << "Dm7,G7 shares one bar";
    EXPECT_EQ(piece.form, (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(piece.parts.size(), 5u);
}

TEST(MusicScript, ReportsMistakes) {
    const std::pair<const char*, const char*> cases[] = {
        {"tempo 10\nsection A C\nform A\npart pad", "line 1: the tempo lies between"},
        {"section A C Hm\nform A\npart pad", "line 1: unknown chord 'Hm'"},
        {"section A C\nform A B\npart pad", "section 'B', which is not defined"},
        {"section A C\nsection A F\nform A\npart pad", "line 2: section 'A' is defined twice"},
        {"section A C\nform A\npart kazoo", "line 3: unknown part 'kazoo'"},
        {"section A C\npart pad", "no 'form'"},
        {"section A C\nform A", "no parts"},
        {"key C blues\nsection A C\nform A\npart pad", "line 1: unknown key"},
        {"meter 2.5\nsection A C\nform A\npart pad", "line 1: the meter is a whole number"},
    };
    for (const auto& [text, message] : cases) {
        MusicPiece piece;
        const auto error = ParseMusicScript(text, piece);
        ASSERT_TRUE(error.has_value()) << "accepted: " << text;
        EXPECT_NE(error->find(message), std::string::npos)
            << "for '" << text << "' got: " << *error;
    }
}

TEST(Compose, RejectsBadPartSettings) {
    const std::pair<const char*, const char*> cases[] = {
        {"section A C\nform A\npart bass pattern=R.X.", "line 3: a bass pattern uses"},
        {"section A C\nform A\npart arp pattern=0a", "line 3: an arpeggio pattern uses"},
        {"section A C\nform A\npart drums kick=x-x-", "line 3: a drum pattern uses"},
        {"section A C\nform A\npart pad gian=0.2", "line 3: unknown key 'gian'"},
        {"section A C\nform A\npart melody timbre=oboe", "line 3: unknown timbre 'oboe'"},
        {"section A C\nform A\npart arp timbre=drums", "line 3: unknown timbre 'drums'"},
    };
    for (const auto& [text, message] : cases) {
        MusicPiece piece;
        ASSERT_EQ(ParseMusicScript(text, piece), std::nullopt) << text;
        Composition c;
        const auto error = Compose(piece, c);
        ASSERT_TRUE(error.has_value()) << "accepted: " << text;
        EXPECT_NE(error->find(message), std::string::npos)
            << "for '" << text << "' got: " << *error;
    }
}

TEST(Compose, MelodyKeepsToItsRangeTheKeyAndTheChords) {
    const MusicPiece piece = Parsed(kPiece);
    const Composition c = Composed(piece);
    const Track& melody = TrackOf(c, "melody");
    ASSERT_GT(melody.notes.size(), 20u);
    for (const Note& n : melody.notes) {
        EXPECT_GE(n.midi, 72) << "at beat " << n.start;
        EXPECT_LE(n.midi, 84) << "at beat " << n.start;
        const Chord& chord = ChordAt(c, n.start);
        const bool inKey =
            std::find(piece.scale.begin(), piece.scale.end(), n.midi % 12) != piece.scale.end();
        EXPECT_TRUE(inKey || chord.Contains(n.midi)) << "note " << n.midi << " at beat " << n.start;
        if (std::fmod(n.start, 2.0) == 0.0 || n.length >= 1.0) {
            EXPECT_TRUE(chord.Contains(n.midi))
                << "a note on a strong beat or a long note belongs to the chord " << chord.symbol
                << ": " << n.midi << " at beat " << n.start;
        }
        EXPECT_LE(n.start + n.length, c.totalBeats) << "no melody note runs past the loop";
    }
    const Note& last = melody.notes.back();
    const int pc = last.midi % 12;
    EXPECT_TRUE(pc == 0 || pc == 4) << "the piece's last phrase rests on the root or third of C";
}

TEST(Compose, RepeatedSectionsRepeatTheirTuneAndSeedsGiveOtherTunes) {
    const MusicPiece piece = Parsed(kPiece);
    const Composition c = Composed(piece);
    std::vector<Note> first, third;
    for (const Note& n : TrackOf(c, "melody").notes) {
        if (n.start < 32.0) {
            first.push_back(n);
        } else if (n.start >= 48.0) {
            third.push_back(n);
        }
    }
    ASSERT_EQ(first.size(), third.size()) << "the third section is A again";
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].midi, third[i].midi);
        EXPECT_DOUBLE_EQ(first[i].start + 48.0, third[i].start);
    }
    const Composition again = Composed(piece);
    EXPECT_EQ(TrackOf(again, "melody").notes.size(), TrackOf(c, "melody").notes.size());

    MusicPiece other = piece;
    other.seed = 8;
    const auto& a = TrackOf(c, "melody").notes;
    const Composition reseeded = Composed(other);
    const auto& b = TrackOf(reseeded, "melody").notes;
    bool differs = a.size() != b.size();
    for (std::size_t i = 0; !differs && i < a.size(); ++i) {
        differs = a[i].midi != b[i].midi || a[i].start != b[i].start;
    }
    EXPECT_TRUE(differs) << "another seed gives another tune";
}

TEST(Compose, BassPadArpeggioAndDrumsFollowTheirPatterns) {
    const Composition c = Composed(Parsed(kPiece));
    const Track& bass = TrackOf(c, "bass");
    ASSERT_EQ(bass.notes.size(), 40u) << "two notes a bar";
    EXPECT_EQ(bass.notes[0].midi, 36) << "C2 on the first beat";
    EXPECT_EQ(bass.notes[1].midi, 43) << "its fifth on the third beat";
    EXPECT_EQ(bass.notes[2].midi, 45) << "A2 for Am in bar 2";
    EXPECT_DOUBLE_EQ(bass.notes[1].start, 2.0);

    for (const Note& n : TrackOf(c, "pad").notes) {
        EXPECT_TRUE(ChordAt(c, n.start).Contains(n.midi)) << n.midi << " at beat " << n.start;
    }
    const Track& arp = TrackOf(c, "arp");
    ASSERT_EQ(arp.notes.size(), 80u);
    EXPECT_EQ(arp.notes[0].midi, 60);
    EXPECT_EQ(arp.notes[3].midi, 72) << "index 3 of a triad is the root an octave up";

    int kicks = 0, hats = 0;
    for (const Note& n : TrackOf(c, "drums").notes) {
        kicks += n.midi == kKick;
        hats += n.midi == kHat;
    }
    EXPECT_EQ(kicks, 40);
    EXPECT_EQ(hats, 40);
}

TEST(RenderNote, EveryTimbreStartsAndEndsInSilence) {
    const int rate = 22050;
    const std::pair<const char*, int> notes[] = {
        {"pad", 60},   {"bass", 36},     {"pluck", 67},     {"epiano", 72}, {"bell", 84},
        {"flute", 79}, {"drums", kKick}, {"drums", kSnare}, {"drums", kHat}};
    for (const auto& [timbre, midi] : notes) {
        for (double seconds : {0.05, 0.5, 4.0}) {
            const Samples s = RenderNote(timbre, midi, 0.9, seconds, rate, 5);
            SCOPED_TRACE(std::string(timbre) + " " + std::to_string(midi) + " for " +
                         std::to_string(seconds) + " s");
            ASSERT_GT(s.size(), 10u);
            EXPECT_LT(std::fabs(s.front()), 1e-3f) << "a note must not start with a click";
            EXPECT_LT(std::fabs(s.back()), 1e-3f) << "a note must not stop with a click";
            const float peak = PeakOf(s);
            EXPECT_GT(peak, 0.05f) << "the note is heard";
            EXPECT_LT(peak, 2.0f) << "the note stays within a sensible level";
            for (float v : s) {
                ASSERT_TRUE(std::isfinite(v));
            }
        }
    }
}

TEST(RenderLoop, HasTheLoopLengthAndNoJumpAtTheSeam) {
    MusicPiece piece = Parsed(R"(
tempo 150
seed 3
key C major
section A  C G
form A
part pad gain=0.3
part bass pattern=R.......
part melody density=0.8
)");
    const Composition c = Composed(piece);
    const int rate = 22050;
    const Stereo loop = RenderLoop(piece, c, rate);
    ASSERT_EQ(loop.size(), LoopSamples(c, rate));
    EXPECT_EQ(loop.size(), static_cast<std::size_t>(3.2 * rate));
    EXPECT_NEAR(ToDbfs(PeakOf(loop)), piece.peak, 1e-3);
    for (const Samples* ch : {&loop.left, &loop.right}) {
        std::vector<float> steps;
        for (std::size_t i = 1; i < ch->size(); ++i) {
            steps.push_back(std::fabs((*ch)[i] - (*ch)[i - 1]));
        }
        std::sort(steps.begin(), steps.end());
        const float typical = steps[steps.size() * 99 / 100];
        const float seam = std::fabs(ch->front() - ch->back());
        EXPECT_LE(seam, typical) << "the step from the last sample to the first is no bigger than "
                                    "almost every other step";
        // The pad's release and the room ring across the seam, so the loop does not start silent.
        EXPECT_GT(std::fabs(ch->front()) + std::fabs((*ch)[1]) + std::fabs((*ch)[2]), 1e-4f);
    }
}

} // namespace
} // namespace sixdice::audio
