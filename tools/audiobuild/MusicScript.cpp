// Parsing of music descriptions.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/MusicScript.h"

#include <charconv>

namespace sixdice::audio {

int MusicPiece::Bars() const {
    int bars = 0;
    for (const std::string& name : form) {
        const auto it = sections.find(name);
        if (it != sections.end()) {
            bars += static_cast<int>(it->second.bars.size());
        }
    }
    return bars;
}

namespace {

std::string At(const ScriptLine& line, const std::string& message) {
    return "line " + std::to_string(line.number) + ": " + message;
}

std::optional<double> OneNumber(const ScriptLine& line) {
    if (line.words.size() != 1 || !line.values.empty()) {
        return std::nullopt;
    }
    double v = 0.0;
    const std::string& w = line.words[0];
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc{} || end != w.data() + w.size()) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::string> ReadSection(const ScriptLine& line, MusicPiece& piece) {
    if (line.words.size() < 2) {
        return At(line, "a section needs a name and at least one bar of chords");
    }
    Section section;
    section.name = line.words[0];
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        const std::string& word = line.words[i];
        if (word == "|") {
            continue; // bar lines are only for the reader's eye
        }
        Bar bar;
        std::size_t start = 0;
        while (start <= word.size()) {
            std::size_t end = word.find(',', start);
            if (end == std::string::npos) {
                end = word.size();
            }
            const auto chord = ParseChord(std::string_view(word).substr(start, end - start));
            if (!chord) {
                return At(line, "unknown chord '" + word.substr(start, end - start) + "'");
            }
            bar.push_back(*chord);
            start = end + 1;
        }
        section.bars.push_back(std::move(bar));
    }
    if (!piece.sections.emplace(section.name, section).second) {
        return At(line, "section '" + section.name + "' is defined twice");
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ParseMusicScript(std::string_view text, MusicPiece& piece) {
    std::vector<ScriptLine> lines;
    if (auto error = SplitScript(text, lines)) {
        return error;
    }
    piece = MusicPiece{};
    for (const ScriptLine& line : lines) {
        const std::string& c = line.command;
        if (c == "tempo" || c == "meter" || c == "seed" || c == "peak" || c == "quality") {
            const auto v = OneNumber(line);
            if (!v) {
                return At(line, "'" + c + "' takes one number");
            }
            if (c == "tempo") {
                if (*v < 30.0 || *v > 300.0) {
                    return At(line, "the tempo lies between 30 and 300 beats a minute");
                }
                piece.tempo = *v;
            } else if (c == "meter") {
                if (*v < 2.0 || *v > 12.0 || *v != static_cast<int>(*v)) {
                    return At(line, "the meter is a whole number of beats from 2 to 12");
                }
                piece.meter = static_cast<int>(*v);
            } else if (c == "seed") {
                piece.seed = static_cast<std::uint64_t>(*v);
            } else if (c == "peak") {
                piece.peak = *v;
            } else {
                if (*v < -0.1 || *v > 1.0) {
                    return At(line, "the quality lies between -0.1 and 1");
                }
                piece.quality = *v;
            }
        } else if (c == "key") {
            if (line.words.size() != 2) {
                return At(line, "'key' takes a root and a mode, for example 'key F major'");
            }
            const auto root = ParsePitchClass(line.words[0]);
            const auto mode = ParseMode(line.words[1]);
            if (!root || !mode) {
                return At(line, "unknown key '" + line.words[0] + " " + line.words[1] + "'");
            }
            piece.keyRoot = *root;
            piece.scale = *mode;
        } else if (c == "reverb") {
            ValueReader r(line);
            piece.reverbMix = r.Number("mix", piece.reverbMix);
            piece.reverbRoom = r.Number("room", piece.reverbRoom);
            if (auto error = r.Finish()) {
                return error;
            }
            if (piece.reverbRoom < 0.0 || piece.reverbRoom > 0.95) {
                return At(line, "the room lies between 0 and 0.95");
            }
        } else if (c == "section") {
            if (auto error = ReadSection(line, piece)) {
                return error;
            }
        } else if (c == "form") {
            if (line.words.empty()) {
                return At(line, "the form names at least one section");
            }
            piece.form.insert(piece.form.end(), line.words.begin(), line.words.end());
        } else if (c == "part") {
            if (line.words.size() != 1) {
                return At(line, "'part' takes one kind and key=value settings");
            }
            const std::string& kind = line.words[0];
            if (kind != "pad" && kind != "bass" && kind != "arp" && kind != "melody" &&
                kind != "drums") {
                return At(line, "unknown part '" + kind + "'");
            }
            piece.parts.push_back({kind, line});
        } else {
            return At(line, "unknown command '" + c + "'");
        }
    }
    for (const std::string& name : piece.form) {
        if (!piece.sections.count(name)) {
            return "the form names section '" + name + "', which is not defined";
        }
    }
    if (piece.form.empty()) {
        return std::string("the piece has no 'form'");
    }
    if (piece.parts.empty()) {
        return std::string("the piece has no parts");
    }
    return std::nullopt;
}

} // namespace sixdice::audio
