// The line format shared by the sound and music descriptions: a command, plain words, key=value
// pairs.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::audio {

struct ScriptLine {
    int number = 0;                            // 1-based line number in the file, for messages
    std::string command;                       // the first word
    std::vector<std::string> words;            // later words without '='
    std::map<std::string, std::string> values; // later words of the form key=value
};

// Splits a description into its lines; '#' starts a comment, blank lines are skipped. A key given
// twice on one line is an error, reported with its line number.
std::optional<std::string> SplitScript(std::string_view text, std::vector<ScriptLine>& lines);

// Typed access to a line's key=value pairs that remembers which keys were read, so that a
// misspelt key is reported instead of silently ignored.
class ValueReader {
public:
    explicit ValueReader(const ScriptLine& line) : line_(line) {}

    double Number(const std::string& key, double fallback);
    int Integer(const std::string& key, int fallback);
    // A frequency in hertz or a note name.
    double Frequency(const std::string& key, double fallback);
    std::string Text(const std::string& key, const std::string& fallback);
    bool Has(const std::string& key) const { return line_.values.count(key) != 0; }

    // The first problem met: a value that did not parse, or (once all reads are done) a key that
    // was never read.
    std::optional<std::string> Finish();

private:
    const std::string* Find(const std::string& key);
    void Fail(const std::string& message);

    const ScriptLine& line_;
    std::vector<std::string> used_;
    std::optional<std::string> error_;
};

} // namespace sixdice::audio
