// Composition of the parts of a piece.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/Composer.h"

#include "tools/audiobuild/Instruments.h"
#include "tools/audiobuild/Random.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>

namespace sixdice::audio {

namespace {

std::vector<ChordSpan> ChordTimeline(const MusicPiece& piece) {
    std::vector<ChordSpan> spans;
    double beat = 0.0;
    for (const std::string& name : piece.form) {
        for (const Bar& bar : piece.sections.at(name).bars) {
            const double share = piece.meter / static_cast<double>(bar.size());
            for (const Chord& chord : bar) {
                spans.push_back({beat, share, chord});
                beat += share;
            }
        }
    }
    return spans;
}

// Chord tones as MIDI notes in [low, low + 12), lowest first: a closed voicing that moves little
// from chord to chord because every chord lands in the same octave window.
std::vector<int> Voicing(const Chord& chord, int low) {
    std::vector<int> notes;
    for (int pc : chord.PitchClasses()) {
        int m = low + ((pc - low) % 12 + 12) % 12;
        if (std::find(notes.begin(), notes.end(), m) == notes.end()) {
            notes.push_back(m);
        }
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

struct Onset {
    double start; // beat in the bar
    double length;
    bool rest = false;
};

// Splits a bar into note lengths: long values split with a chance that grows with the density.
void SplitSpan(double start, double length, double density, Random& rng, std::vector<Onset>& out) {
    const double chance = std::min(0.95, density * (length >= 2.0   ? 1.3
                                                    : length >= 1.0 ? 0.8
                                                                    : 0.3));
    if (length > 0.5 && rng.Uniform() < chance) {
        if (std::fmod(length, 3.0) == 0.0) {
            const int shape = rng.Below(3);
            const double third = length / 3.0;
            if (shape == 0) {
                SplitSpan(start, 2 * third, density, rng, out);
                SplitSpan(start + 2 * third, third, density, rng, out);
            } else if (shape == 1) {
                SplitSpan(start, third, density, rng, out);
                SplitSpan(start + third, 2 * third, density, rng, out);
            } else {
                for (int i = 0; i < 3; ++i) {
                    SplitSpan(start + i * third, third, density, rng, out);
                }
            }
        } else if (length == 1.0 && rng.Uniform() < 0.25) {
            out.push_back({start, 0.75}); // dotted figure
            out.push_back({start + 0.75, 0.25});
        } else {
            SplitSpan(start, length / 2.0, density, rng, out);
            SplitSpan(start + length / 2.0, length / 2.0, density, rng, out);
        }
        return;
    }
    out.push_back({start, length});
}

std::vector<Onset> BarRhythm(int meter, double density, Random& rng) {
    std::vector<Onset> onsets;
    if (meter % 2 == 0) {
        SplitSpan(0.0, meter / 2.0, density, rng, onsets);
        SplitSpan(meter / 2.0, meter / 2.0, density, rng, onsets);
    } else {
        SplitSpan(0.0, meter, density, rng, onsets);
    }
    // An occasional breath: a short off-beat note becomes a rest.
    for (std::size_t i = 1; i < onsets.size(); ++i) {
        if (onsets[i].length <= 0.5 && rng.Uniform() < 0.12) {
            onsets[i].rest = true;
        }
    }
    return onsets;
}

// The closing bar of a phrase: a short pickup and a long note.
std::vector<Onset> CadenceRhythm(int meter, Random& rng) {
    if (rng.Uniform() < 0.5) {
        return {{0.0, 1.0}, {1.0, meter - 1.0}};
    }
    if (meter >= 4) {
        return {{0.0, meter / 2.0}, {meter / 2.0, meter / 2.0}};
    }
    return {{0.0, double(meter)}};
}

struct MelodyContext {
    const MusicPiece& piece;
    int low;
    int high;
    double density;
};

bool InScale(const MusicPiece& piece, int midi) {
    const int degree = (((midi - piece.keyRoot) % 12) + 12) % 12;
    return std::find(piece.scale.begin(), piece.scale.end(), degree) != piece.scale.end();
}

// Moves `steps` scale degrees from `from` (which need not lie in the scale).
int ScaleStep(const MusicPiece& piece, int from, int steps) {
    int m = from;
    const int dir = steps > 0 ? 1 : -1;
    for (int moved = 0; moved != steps;) {
        m += dir;
        if (InScale(piece, m)) {
            moved += dir;
        }
    }
    return m;
}

int PickChordTone(const Chord& chord, int prev, int low, int high, Random& rng, bool cadence) {
    std::vector<int> candidates;
    std::vector<double> weights;
    for (int m = low; m <= high; ++m) {
        const int pc = ((m % 12) + 12) % 12;
        const auto pcs = chord.PitchClasses();
        const bool isTone = std::find(pcs.begin(), pcs.end(), pc) != pcs.end();
        // A cadence rests on the root or the third.
        const bool allowed = cadence ? (pc == pcs[0] || pc == pcs[1]) : isTone;
        const int leap = std::abs(m - prev);
        if (!allowed || leap > 7) {
            continue;
        }
        candidates.push_back(m);
        // Repeated notes make a tune stand still; small leaps keep it singable.
        weights.push_back((leap == 0 ? 0.15 : 1.0) / (1.0 + leap * 0.35));
    }
    if (candidates.empty()) {
        // No fitting tone within a comfortable leap: take the nearest one in the range.
        int best = -1;
        for (int m = low; m <= high; ++m) {
            const int pc = ((m % 12) + 12) % 12;
            const auto pcs = chord.PitchClasses();
            const bool fits = cadence ? (pc == pcs[0] || pc == pcs[1])
                                      : std::find(pcs.begin(), pcs.end(), pc) != pcs.end();
            if (fits && (best < 0 || std::abs(m - prev) < std::abs(best - prev))) {
                best = m;
            }
        }
        return best >= 0 ? best : std::clamp(prev, low, high);
    }
    double total = 0.0;
    for (double w : weights) {
        total += w;
    }
    double pick = rng.Uniform() * total;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        pick -= weights[i];
        if (pick <= 0.0) {
            return candidates[i];
        }
    }
    return candidates.back();
}

// A melody over one section, times relative to the section's start. Phrases are four bars long;
// every second phrase repeats the rhythm of the one before it, so the tune has a motif.
std::vector<Note> SectionMelody(const MelodyContext& ctx, const Section& section, Random& rng) {
    const int meter = ctx.piece.meter;
    const int bars = static_cast<int>(section.bars.size());
    const int phraseBars = std::min(4, bars);
    const int centre = (ctx.low + ctx.high) / 2;
    std::vector<std::vector<Onset>> rhythms(bars);
    for (int b = 0; b < bars; ++b) {
        const int phrase = b / phraseBars;
        const int inPhrase = b % phraseBars;
        if (inPhrase == phraseBars - 1 || b == bars - 1) {
            rhythms[b] = CadenceRhythm(meter, rng);
        } else if (phrase % 2 == 1) {
            rhythms[b] = rhythms[b - phraseBars];
        } else {
            rhythms[b] = BarRhythm(meter, ctx.density, rng);
        }
    }
    std::vector<Note> notes;
    int prev = PickChordTone(section.bars[0][0], centre, ctx.low, ctx.high, rng, false);
    for (int b = 0; b < bars; ++b) {
        const Bar& bar = section.bars[b];
        const double share = meter / static_cast<double>(bar.size());
        for (std::size_t i = 0; i < rhythms[b].size(); ++i) {
            const Onset& o = rhythms[b][i];
            if (o.rest) {
                continue;
            }
            const Chord& chord = bar[std::min(bar.size() - 1, std::size_t(o.start / share))];
            const bool last = i + 1 == rhythms[b].size();
            const bool cadence = last && (b % phraseBars == phraseBars - 1 || b == bars - 1);
            const bool strong =
                std::fmod(o.start, meter % 2 == 0 ? meter / 2.0 : meter) == 0.0 || o.length >= 1.5;
            int pitch;
            if (cadence || strong || o.length >= 1.0) {
                pitch = PickChordTone(chord, prev, ctx.low, ctx.high, rng, cadence);
            } else {
                // Passing notes move by step through the key, leaning back towards the middle.
                const double downChance = prev > centre + 4 ? 0.75 : prev < centre - 4 ? 0.25 : 0.5;
                const int size = rng.Uniform() < 0.75 ? 1 : 2;
                pitch = ScaleStep(ctx.piece, prev, rng.Uniform() < downChance ? -size : size);
                if (pitch < ctx.low || pitch > ctx.high) {
                    pitch = ScaleStep(ctx.piece, prev, pitch < ctx.low ? size : -size);
                }
            }
            const double velocity = (strong ? 0.85 : 0.7) + 0.08 * rng.Bipolar();
            notes.push_back({b * double(meter) + o.start, o.length * 0.95, pitch, velocity});
            prev = pitch;
        }
    }
    return notes;
}

// FNV-1a: the same on every compiler, so a seed gives the same tune everywhere.
std::uint64_t NameHash(const std::string& name) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : name) {
        h = (h ^ c) * 1099511628211ULL;
    }
    return h;
}

std::optional<std::string> PartError(const PartLine& part, const std::string& message) {
    return "line " + std::to_string(part.line.number) + ": " + message;
}

// Steps of a pattern over each bar: calls `play(bar start, step index, step length, char)`.
void ForEachStep(const MusicPiece& piece, double totalBeats, const std::string& pattern,
                 const std::function<void(double, std::size_t, double, char)>& play) {
    const double step = piece.meter / static_cast<double>(pattern.size());
    for (double bar = 0.0; bar < totalBeats; bar += piece.meter) {
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] != '.') {
                play(bar, i, step, pattern[i]);
            }
        }
    }
}

// Length of a pattern note: up to the next onset of the bar.
double HoldLength(const std::string& pattern, std::size_t i, double step) {
    std::size_t next = i + 1;
    while (next < pattern.size() && pattern[next] == '.') {
        ++next;
    }
    return (next - i) * step;
}

} // namespace

const Chord& ChordAt(const Composition& c, double beat) {
    for (const ChordSpan& span : c.chords) {
        if (beat < span.start + span.length) {
            return span.chord;
        }
    }
    return c.chords.back().chord;
}

std::optional<std::string> Compose(const MusicPiece& piece, Composition& out) {
    out = Composition{};
    out.secondsPerBeat = 60.0 / piece.tempo;
    out.totalBeats = piece.Beats();
    out.chords = ChordTimeline(piece);
    for (std::size_t index = 0; index < piece.parts.size(); ++index) {
        const PartLine& part = piece.parts[index];
        ValueReader r(part.line);
        Track track;
        track.kind = part.kind;
        track.gain = r.Number("gain", 0.3);
        track.pan = std::clamp(r.Number("pan", 0.0), -1.0, 1.0);
        track.reverbSend = r.Number("reverb", part.kind == "drums" ? 0.1 : 0.35);
        const int octave = r.Integer("octave", part.kind == "bass"  ? 2
                                               : part.kind == "pad" ? 3
                                                                    : 5);
        const int low = 12 * (octave + 1);
        if (part.kind == "pad") {
            track.timbre = r.Text("timbre", "pad");
            const double velocity = r.Number("velocity", 0.7);
            for (const ChordSpan& span : out.chords) {
                for (int m : Voicing(span.chord, low + 7)) {
                    track.notes.push_back({span.start, span.length, m, velocity});
                }
            }
        } else if (part.kind == "bass") {
            track.timbre = r.Text("timbre", "bass");
            const std::string pattern = r.Text("pattern", "R...F...");
            for (char ch : pattern) {
                if (std::string_view("RFOTrfot.").find(ch) == std::string_view::npos) {
                    return PartError(part, "a bass pattern uses R F O T (root, fifth, octave, "
                                           "third; lower case softer) and '.'");
                }
            }
            ForEachStep(piece, out.totalBeats, pattern,
                        [&](double bar, std::size_t i, double step, char ch) {
                            const double at = bar + i * step;
                            const Chord& chord = ChordAt(out, at);
                            const int root = low + ((chord.bass - low) % 12 + 12) % 12;
                            const char up =
                                static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                            const int third = chord.intervals.size() > 1 ? chord.intervals[1] : 4;
                            const int m = up == 'R'   ? root
                                          : up == 'F' ? root + 7
                                          : up == 'O' ? root + 12
                                                      : root + third;
                            track.notes.push_back(
                                {at, HoldLength(pattern, i, step) * 0.9, m, up == ch ? 0.9 : 0.65});
                        });
        } else if (part.kind == "arp") {
            track.timbre = r.Text("timbre", "pluck");
            const std::string pattern = r.Text("pattern", "0121");
            const double ring = r.Number("ring", 1.5);
            for (char ch : pattern) {
                if (ch != '.' && (ch < '0' || ch > '9')) {
                    return PartError(part, "an arpeggio pattern uses chord-tone digits and '.'");
                }
            }
            ForEachStep(piece, out.totalBeats, pattern,
                        [&](double bar, std::size_t i, double step, char ch) {
                            const double at = bar + i * step;
                            const auto tones = Voicing(ChordAt(out, at), low);
                            const int k = ch - '0';
                            const int m =
                                tones[k % tones.size()] + 12 * (k / static_cast<int>(tones.size()));
                            track.notes.push_back({at, step * ring, m, i == 0 ? 0.85 : 0.7});
                        });
        } else if (part.kind == "melody") {
            track.timbre = r.Text("timbre", "flute");
            const double density = std::clamp(r.Number("density", 0.5), 0.0, 1.0);
            const int range = r.Integer("range", 14);
            const MelodyContext ctx{piece, low, low + std::max(range, 7), density};
            std::map<std::string, std::vector<Note>> melodies;
            double start = 0.0;
            for (const std::string& name : piece.form) {
                const Section& section = piece.sections.at(name);
                if (!melodies.count(name)) {
                    Random rng(piece.seed * 1000003ULL + NameHash(name) + index);
                    melodies[name] = SectionMelody(ctx, section, rng);
                }
                for (Note n : melodies[name]) {
                    n.start += start;
                    track.notes.push_back(n);
                }
                start += section.bars.size() * static_cast<double>(piece.meter);
            }
        } else {
            track.timbre = "drums";
            const std::pair<std::string, int> voices[] = {{r.Text("kick", ""), kKick},
                                                          {r.Text("snare", ""), kSnare},
                                                          {r.Text("hat", ""), kHat}};
            for (const auto& voice : voices) {
                const std::string& pattern = voice.first;
                const int drum = voice.second;
                for (char ch : pattern) {
                    if (ch != 'x' && ch != 'o' && ch != '.') {
                        return PartError(part, "a drum pattern uses x (loud), o (soft) and '.'");
                    }
                }
                ForEachStep(
                    piece, out.totalBeats, pattern,
                    [&](double bar, std::size_t i, double step, char ch) {
                        track.notes.push_back({bar + i * step, step, drum, ch == 'x' ? 0.9 : 0.5});
                    });
            }
        }
        if (auto error = r.Finish()) {
            return error;
        }
        if (!IsTimbre(track.timbre) || (track.timbre == "drums") != (part.kind == "drums")) {
            return PartError(part, "unknown timbre '" + track.timbre +
                                       "' (pad, bass, pluck, epiano, bell or flute)");
        }
        out.tracks.push_back(std::move(track));
    }
    return std::nullopt;
}

} // namespace sixdice::audio
