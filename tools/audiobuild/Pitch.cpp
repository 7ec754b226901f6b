// Parsing of notes, chords and modes.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Pitch.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace sixdice::audio {

double MidiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

namespace {
// Reads a letter with optional accidental from the front of `text`; returns pitch class and length.
std::optional<std::pair<int, std::size_t>> ReadPitchClass(std::string_view text) {
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        return std::nullopt;
    }
    int pc = kLetters[text[0] - 'A'];
    std::size_t used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        pc += text[1] == '#' ? 1 : -1;
        used = 2;
    }
    return std::pair{(pc + 12) % 12, used};
}
} // namespace

std::optional<int> ParsePitchClass(std::string_view text) {
    const auto pc = ReadPitchClass(text);
    if (!pc || pc->second != text.size()) {
        return std::nullopt;
    }
    return pc->first;
}

std::optional<int> ParseNoteName(std::string_view text) {
    const auto pc = ReadPitchClass(text);
    if (!pc) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(pc->second);
    int octave = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), octave);
    if (ec != std::errc{} || end != rest.data() + rest.size() || octave < -1 || octave > 9) {
        return std::nullopt;
    }
    // The octave belongs to the letter: "Cb4" is B3 and "B#3" is C4.
    const int letterPc = ReadPitchClass(text.substr(0, 1))->first;
    const int shift = pc->second == 2 ? (text[1] == '#' ? 1 : -1) : 0;
    return 12 * (octave + 1) + letterPc + shift;
}

std::optional<double> ParseFrequency(std::string_view text) {
    if (auto note = ParseNoteName(text)) {
        return MidiToHz(*note);
    }
    double hz = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), hz);
    if (ec != std::errc{} || end != text.data() + text.size() || hz <= 0.0) {
        return std::nullopt;
    }
    return hz;
}

std::vector<int> Chord::PitchClasses() const {
    std::vector<int> pcs;
    for (int i : intervals) {
        pcs.push_back((root + i) % 12);
    }
    return pcs;
}

bool Chord::Contains(int midi) const {
    const int pc = ((midi % 12) + 12) % 12;
    for (int p : PitchClasses()) {
        if (p == pc) {
            return true;
        }
    }
    return pc == bass;
}

std::optional<Chord> ParseChord(std::string_view symbol) {
    Chord chord;
    chord.symbol = std::string(symbol);
    std::string_view body = symbol;
    std::optional<int> slashBass;
    if (const auto slash = symbol.find('/'); slash != std::string_view::npos) {
        slashBass = ParsePitchClass(symbol.substr(slash + 1));
        if (!slashBass) {
            return std::nullopt;
        }
        body = symbol.substr(0, slash);
    }
    const auto root = ReadPitchClass(body);
    if (!root) {
        return std::nullopt;
    }
    chord.root = root->first;
    const std::string_view quality = body.substr(root->second);
    static const std::pair<std::string_view, std::vector<int>> kQualities[] = {
        {"", {0, 4, 7}},
        {"m", {0, 3, 7}},
        {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}},
        {"dim", {0, 3, 6}},
        {"sus4", {0, 5, 7}},
        {"sus2", {0, 2, 7}},
        {"add9", {0, 4, 7, 14}},
        {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},
        {"m9", {0, 3, 7, 10, 14}},
        {"maj9", {0, 4, 7, 11, 14}},
        {"9", {0, 4, 7, 10, 14}},
        {"m7b5", {0, 3, 6, 10}},
    };
    for (const auto& [name, intervals] : kQualities) {
        if (quality == name) {
            chord.intervals = intervals;
            chord.bass = slashBass.value_or(chord.root);
            return chord;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<int>> ParseMode(std::string_view name) {
    if (name == "major") {
        return std::vector<int>{0, 2, 4, 5, 7, 9, 11};
    }
    if (name == "minor") {
        return std::vector<int>{0, 2, 3, 5, 7, 8, 10};
    }
    if (name == "dorian") {
        return std::vector<int>{0, 2, 3, 5, 7, 9, 10};
    }
    if (name == "mixolydian") {
        return std::vector<int>{0, 2, 4, 5, 7, 9, 10};
    }
    return std::nullopt;
}

} // namespace sixdice::audio
