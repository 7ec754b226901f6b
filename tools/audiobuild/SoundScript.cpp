// Parsing and rendering of sound descriptions.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/SoundScript.h"

#include "tools/audiobuild/ScriptLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace sixdice::audio {

namespace {

std::string At(const ScriptLine& line, const std::string& message) {
    return "line " + std::to_string(line.number) + ": " + message;
}

Envelope ReadEnvelope(ValueReader& r, const Envelope& fallback) {
    Envelope env;
    env.attack = r.Number("attack", fallback.attack);
    env.decay = r.Number("decay", fallback.decay);
    env.sustain = r.Number("sustain", fallback.sustain);
    env.release = r.Number("release", fallback.release);
    return env;
}

// "1:1,2:0.5,2.76:0.3" = ratio:amplitude pairs.
bool ParsePartials(const std::string& text, std::vector<Partial>& out) {
    out.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string item = text.substr(start, end - start);
        const auto colon = item.find(':');
        if (colon == std::string::npos) {
            return false;
        }
        Partial p;
        const char* b = item.data();
        const auto r1 = std::from_chars(b, b + colon, p.ratio);
        const auto r2 = std::from_chars(b + colon + 1, b + item.size(), p.amplitude);
        if (r1.ec != std::errc{} || r1.ptr != b + colon || r2.ec != std::errc{} ||
            r2.ptr != b + item.size() || p.ratio <= 0.0) {
            return false;
        }
        out.push_back(p);
        start = end + 1;
    }
    return !out.empty();
}

std::optional<std::string> ReadTone(const ScriptLine& line, ToneEvent& e) {
    ValueReader r(line);
    e.at = r.Number("at", 0.0);
    e.duration = r.Number("dur", 0.1);
    e.frequency = r.Frequency("freq", 440.0);
    e.glideTo = r.Has("to") ? r.Frequency("to", 0.0) : 0.0;
    e.envelope = ReadEnvelope(r, Envelope{});
    e.gain = r.Number("gain", 1.0);
    e.vibratoRate = r.Number("vibrato", 0.0);
    e.vibratoDepth = r.Number("depth", 0.0);
    e.detuneCents = r.Number("detune", 0.0);
    const std::string wave = r.Text("wave", "sine");
    const std::string partials = r.Text("partials", "");
    if (auto error = r.Finish()) {
        return error;
    }
    if (wave == "sine") {
        e.wave = Wave::Sine;
    } else if (wave == "triangle") {
        e.wave = Wave::Triangle;
    } else if (wave == "square") {
        e.wave = Wave::Square;
    } else if (wave == "saw") {
        e.wave = Wave::Saw;
    } else if (wave == "brass") {
        e.wave = Wave::Brass;
    } else {
        return At(line, "unknown wave '" + wave + "'");
    }
    if (!partials.empty() && !ParsePartials(partials, e.partials)) {
        return At(line, "partials are ratio:amplitude pairs separated by commas");
    }
    if (e.duration <= 0.0) {
        return At(line, "a tone needs a positive 'dur'");
    }
    return std::nullopt;
}

std::optional<std::string> ReadNoise(const ScriptLine& line, NoiseEvent& e) {
    ValueReader r(line);
    e.at = r.Number("at", 0.0);
    e.duration = r.Number("dur", 0.05);
    e.lowPass = r.Number("lowpass", 0.0);
    e.highPass = r.Number("highpass", 0.0);
    e.band = r.Number("band", 0.0);
    e.q = r.Number("q", 1.0);
    e.envelope = ReadEnvelope(r, Envelope{0.001, 0.0, 1.0, 0.005});
    e.gain = r.Number("gain", 1.0);
    e.seed = static_cast<std::uint64_t>(r.Integer("seed", 1));
    if (auto error = r.Finish()) {
        return error;
    }
    if (e.duration <= 0.0) {
        return At(line, "noise needs a positive 'dur'");
    }
    return std::nullopt;
}

std::optional<std::string> ReadClicks(const ScriptLine& line, ClickTrainEvent& e) {
    ValueReader r(line);
    e.at = r.Number("at", 0.0);
    e.count = r.Integer("count", 8);
    e.gap = r.Number("gap", 0.08);
    e.ratio = r.Number("ratio", 0.8);
    e.jitter = r.Number("jitter", 0.2);
    e.click = r.Number("click", 0.012);
    e.band = r.Number("band", 2500.0);
    e.q = r.Number("q", 3.0);
    e.spread = r.Number("spread", 0.3);
    e.fall = r.Number("fall", 0.85);
    e.gain = r.Number("gain", 1.0);
    e.seed = static_cast<std::uint64_t>(r.Integer("seed", 1));
    if (auto error = r.Finish()) {
        return error;
    }
    if (e.count < 1 || e.gap <= 0.0 || e.ratio <= 0.0 || e.click <= 0.0) {
        return At(line, "clicks need count >= 1 and positive gap, ratio and click");
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ParseSoundScript(std::string_view text, SoundRecipe& recipe) {
    std::vector<ScriptLine> lines;
    if (auto error = SplitScript(text, lines)) {
        return error;
    }
    recipe = SoundRecipe{};
    for (const ScriptLine& line : lines) {
        std::optional<std::string> error;
        if (line.command == "name") {
            if (line.words.size() != 1) {
                return At(line, "'name' takes one word");
            }
            recipe.name = line.words[0];
        } else if (line.command == "rate" || line.command == "peak" || line.command == "length") {
            double v = 0.0;
            const std::string word = line.words.size() == 1 ? line.words[0] : "";
            const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
            if (word.empty() || ec != std::errc{} || end != word.data() + word.size()) {
                return At(line, "'" + line.command + "' takes one number");
            }
            if (line.command == "rate") {
                if (v != 44100.0 && v != 22050.0) {
                    return At(line, "the rate is 44100 or 22050");
                }
                recipe.rate = static_cast<int>(v);
            } else if (line.command == "peak") {
                recipe.peak = v;
            } else {
                recipe.length = v;
            }
        } else if (line.command == "fade") {
            ValueReader r(line);
            recipe.fadeIn = r.Number("in", recipe.fadeIn);
            recipe.fadeOut = r.Number("out", recipe.fadeOut);
            error = r.Finish();
        } else if (line.command == "tone") {
            ToneEvent e;
            error = ReadTone(line, e);
            recipe.events.emplace_back(e);
        } else if (line.command == "noise") {
            NoiseEvent e;
            error = ReadNoise(line, e);
            recipe.events.emplace_back(e);
        } else if (line.command == "clicks") {
            ClickTrainEvent e;
            error = ReadClicks(line, e);
            recipe.events.emplace_back(e);
        } else {
            return At(line, "unknown command '" + line.command + "'");
        }
        if (error) {
            return error;
        }
        if (line.command != "name" && line.command != "fade" && line.command != "tone" &&
            line.command != "noise" && line.command != "clicks" && !line.values.empty()) {
            return At(line, "'" + line.command + "' takes no key=value settings");
        }
    }
    if (recipe.name.empty()) {
        return std::string("the sound has no 'name'");
    }
    if (recipe.events.empty()) {
        return std::string("the sound has no events");
    }
    return std::nullopt;
}

Samples RenderSound(const SoundRecipe& recipe) {
    double length = recipe.length;
    if (length <= 0.0) {
        for (const SoundEvent& e : recipe.events) {
            length = std::max(length, EndOf(e));
        }
    }
    Samples out(static_cast<std::size_t>(std::ceil(length * recipe.rate)), 0.0f);
    for (const SoundEvent& e : recipe.events) {
        Render(e, recipe.rate, out);
    }
    FadeEdges(out, static_cast<std::size_t>(recipe.fadeIn * recipe.rate),
              static_cast<std::size_t>(recipe.fadeOut * recipe.rate));
    ScaleToPeak(out, recipe.peak);
    return out;
}

} // namespace sixdice::audio
