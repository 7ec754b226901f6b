// The hidden list of settings lines (CBNastaveni) that start-up fills from "nastaveni.zrk".
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sixdice::ui {

inline constexpr const char* SettingsFileName = "nastaveni.zrk";

// The settings file's lines in UTF-8, read back by position; a line the file does not have reads
// as the empty text. Only the first three lines mean anything; further lines are kept and ignored.
// Source() is the path they were read from (the player's own settings file or the game's), which
// messages about them name.
class SettingsLines {
public:
    SettingsLines() = default;
    explicit SettingsLines(std::vector<std::string> lines, std::string source = SettingsFileName)
        : lines_(std::move(lines)), source_(std::move(source)) {}

    const std::string& Line(std::size_t index) const {
        static const std::string empty;
        return index < lines_.size() ? lines_[index] : empty;
    }
    const std::string& MenuMusic() const { return Line(0); }
    const std::string& GameMusic() const { return Line(1); }
    const std::string& StartLanguage() const { return Line(2); }

    std::size_t Count() const { return lines_.size(); }
    void Clear() { lines_.clear(); }

    const std::string& Source() const { return source_; }
    void SetSource(std::string path) { source_ = std::move(path); }

private:
    std::vector<std::string> lines_;
    std::string source_ = SettingsFileName;
};

// Loads the settings file `fileName` into `lines` (replacing what they held and setting their
// source); returns the failure's text, std::nullopt on success. Start-up is handed one of these, so
// tests can feed lines directly.
using SettingsLoader =
    std::function<std::optional<std::string>(const std::string& fileName, SettingsLines& lines)>;

} // namespace sixdice::ui
