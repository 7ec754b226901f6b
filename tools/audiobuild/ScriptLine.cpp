// Splitting description files into lines and reading their values.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/audiobuild/ScriptLine.h"

#include "tools/audiobuild/Pitch.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace sixdice::audio {

std::optional<std::string> SplitScript(std::string_view text, std::vector<ScriptLine>& lines) {
    lines.clear();
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string raw(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (const auto hash = raw.find('#'); hash != std::string::npos) {
            raw.erase(hash);
        }
        std::istringstream words(raw);
        std::string word;
        ScriptLine line;
        line.number = number;
        while (words >> word) {
            if (line.command.empty()) {
                line.command = word;
            } else if (const auto eq = word.find('='); eq != std::string::npos && eq > 0) {
                const std::string key = word.substr(0, eq);
                if (!line.values.emplace(key, word.substr(eq + 1)).second) {
                    return "line " + std::to_string(number) + ": '" + key + "' given twice";
                }
            } else {
                line.words.push_back(word);
            }
        }
        if (!line.command.empty()) {
            lines.push_back(std::move(line));
        }
        if (end == text.size()) {
            break;
        }
    }
    return std::nullopt;
}

const std::string* ValueReader::Find(const std::string& key) {
    used_.push_back(key);
    const auto it = line_.values.find(key);
    return it == line_.values.end() ? nullptr : &it->second;
}

void ValueReader::Fail(const std::string& message) {
    if (!error_) {
        error_ = "line " + std::to_string(line_.number) + ": " + message;
    }
}

double ValueReader::Number(const std::string& key, double fallback) {
    const std::string* text = Find(key);
    if (!text) {
        return fallback;
    }
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc{} || end != text->data() + text->size()) {
        Fail("'" + key + "' needs a number, not '" + *text + "'");
        return fallback;
    }
    return v;
}

int ValueReader::Integer(const std::string& key, int fallback) {
    const std::string* text = Find(key);
    if (!text) {
        return fallback;
    }
    int v = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc{} || end != text->data() + text->size()) {
        Fail("'" + key + "' needs a whole number, not '" + *text + "'");
        return fallback;
    }
    return v;
}

double ValueReader::Frequency(const std::string& key, double fallback) {
    const std::string* text = Find(key);
    if (!text) {
        return fallback;
    }
    const auto hz = ParseFrequency(*text);
    if (!hz) {
        Fail("'" + key + "' needs a frequency or a note name, not '" + *text + "'");
        return fallback;
    }
    return *hz;
}

std::string ValueReader::Text(const std::string& key, const std::string& fallback) {
    const std::string* text = Find(key);
    return text ? *text : fallback;
}

std::optional<std::string> ValueReader::Finish() {
    if (!error_) {
        for (const auto& [key, value] : line_.values) {
            if (std::find(used_.begin(), used_.end(), key) == used_.end()) {
                Fail("unknown key '" + key + "' for '" + line_.command + "'");
                break;
            }
        }
    }
    return error_;
}

} // namespace sixdice::audio
