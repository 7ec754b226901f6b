// Note names, MIDI numbers, frequencies, scales and chord symbols of the description files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::audio {

// Equal temperament, A4 (MIDI 69) = 440 Hz.
double MidiToHz(double midi);

// "C4" = 60, "A4" = 69, "F#3", "Bb5"; nullopt when the text is not a note name.
std::optional<int> ParseNoteName(std::string_view text);

// A number of hertz or a note name ("440", "A4").
std::optional<double> ParseFrequency(std::string_view text);

// A pitch class from a letter with an optional sharp or flat ("C" = 0, "F#" = 6, "Bb" = 10).
std::optional<int> ParsePitchClass(std::string_view text);

struct Chord {
    std::string symbol;
    int root = 0;               // pitch class
    int bass = 0;               // pitch class of the lowest note (differs from root in "C/E")
    std::vector<int> intervals; // semitones above the root, starting with 0

    // Pitch classes of the chord's tones in order root, third, fifth, ...
    std::vector<int> PitchClasses() const;
    bool Contains(int midi) const;
};

// "C", "Am", "G7", "Dm7", "Fmaj7", "Bdim", "Esus4", "Cadd9", "C/E", "Am7/G"; nullopt if unknown.
std::optional<Chord> ParseChord(std::string_view symbol);

// Semitone steps of a mode by name ("major", "minor", "dorian", "mixolydian"); nullopt if unknown.
std::optional<std::vector<int>> ParseMode(std::string_view name);

} // namespace sixdice::audio
