// The settings file reader: which file, its bytes from disk, decoded from code page 1250, in lines.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include "media/listfile/RegularFile.h"
#include "platform/SettingsLocation.h"
#include "scores/Cp1250.h"
#include "ui/StartupMessages.h"

#include <vector>

namespace sixdice::app {

std::string DecodeCp1250(std::string_view bytes) {
    return scores::FromCp1250(bytes);
}

ui::SettingsLines SplitSettingsText(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(DecodeCp1250(line));
        start = next;
    }
    return ui::SettingsLines(std::move(lines));
}

std::string SettingsFilePath(const std::string& fileName) {
    if (fileName.find_first_of("/\\") != std::string::npos) {
        return fileName;
    }
    const auto own = platform::PerUserSettingsFile(fileName);
    // The player's own file counts when anything is there to read or report; a place that cannot
    // even be looked at is as good as no file, and the working folder's file is read instead.
    if (own && platform::PerUserFileIsThere(*own)) {
        return *own;
    }
    return fileName;
}

std::optional<std::string> ReadSettingsFile(const std::string& path, ui::SettingsLines& lines,
                                            bool perUser) {
    lines.Clear();
    lines.SetSource(path);
    media::FileBytes file;
    if (auto refusal = media::ReadRegularFile(path, media::file_limits::kSettings, file)) {
        return ui::SettingsUnreadableMessage(path, perUser, *refusal);
    }
    const auto bytes = file.bytes();
    lines = SplitSettingsText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    lines.SetSource(path);
    return std::nullopt;
}

std::optional<std::string> LoadSettingsFile(const std::string& fileName, ui::SettingsLines& lines) {
    const std::string path = SettingsFilePath(fileName);
    return ReadSettingsFile(path, lines, path != fileName);
}

} // namespace sixdice::app
