// Turns a music description into notes: chord voicings, bass lines, arpeggios, drums and a melody
// drawn from a seeded generator that keeps to the chords and the key.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/audiobuild/MusicScript.h"

#include <optional>
#include <string>
#include <vector>

namespace sixdice::audio {

// Times and lengths in beats from the start of the piece.
struct Note {
    double start = 0.0;
    double length = 1.0;
    int midi = 60;
    double velocity = 0.8;
};

struct Track {
    std::string kind;   // the part's kind
    std::string timbre; // how its notes sound (Instruments.h)
    double gain = 0.3;
    double pan = 0.0; // -1 left .. 1 right
    double reverbSend = 0.3;
    std::vector<Note> notes;
};

// The chord that sounds over a stretch of the piece.
struct ChordSpan {
    double start = 0.0;
    double length = 0.0;
    Chord chord;
};

struct Composition {
    double secondsPerBeat = 0.5;
    double totalBeats = 0.0;
    std::vector<ChordSpan> chords;
    std::vector<Track> tracks;
};

// The drum notes of a "drums" part.
inline constexpr int kKick = 36;
inline constexpr int kSnare = 38;
inline constexpr int kHat = 42;

// Returns the first problem with a part's settings; std::nullopt on success.
std::optional<std::string> Compose(const MusicPiece& piece, Composition& out);

// The chord sounding at a beat (the last one when the beat lies past the end).
const Chord& ChordAt(const Composition& c, double beat);

} // namespace sixdice::audio
