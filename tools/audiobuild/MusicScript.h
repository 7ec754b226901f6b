// A music description file (".mus"): tempo, key, chord sections, form and the parts that play them.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/Pitch.h"
#include "tools/audiobuild/ScriptLine.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::audio {

// One bar holds one chord, or several that share the bar equally ("Dm7,G7").
using Bar = std::vector<Chord>;

struct Section {
    std::string name;
    std::vector<Bar> bars;
};

// A part: its kind ("pad", "bass", "arp", "melody", "drums") and its line with the settings.
struct PartLine {
    std::string kind;
    ScriptLine line;
};

struct MusicPiece {
    double tempo = 90.0; // beats per minute
    int meter = 4;       // beats per bar
    std::uint64_t seed = 1;
    int keyRoot = 0; // pitch class
    std::vector<int> scale{0, 2, 4, 5, 7, 9, 11};
    double peak = -1.5; // dBFS of the finished piece
    double reverbMix = 0.2;
    double reverbRoom = 0.8;
    double quality = 0.1; // Vorbis quality, -0.1 .. 1
    std::map<std::string, Section> sections;
    std::vector<std::string> form; // section names in playing order
    std::vector<PartLine> parts;

    int Bars() const;
    double Beats() const { return Bars() * static_cast<double>(meter); }
    double Seconds() const { return Beats() * 60.0 / tempo; }
};

// Lines: "tempo BPM", "meter BEATS", "seed N", "key ROOT MODE", "peak DB", "quality Q",
// "reverb mix=M room=R", "section NAME CHORD ...", "form NAME ...", "part KIND key=value ...".
// Returns the first problem with its line number; std::nullopt on success.
std::optional<std::string> ParseMusicScript(std::string_view text, MusicPiece& piece);

} // namespace sixdice::audio
