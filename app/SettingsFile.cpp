// The settings file reader: which file, its bytes from disk, decoded from code page 1250, in lines.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include "media/listfile/RegularFile.h"
#include "ui/StartupMessages.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <sys/stat.h>
#include <vector>

namespace sixdice::app {
namespace {

// One iconv conversion descriptor for the life of a call; closed on every path.
class Cp1250Converter {
public:
    Cp1250Converter() : cd_(iconv_open("UTF-8", "CP1250")) {}
    ~Cp1250Converter() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Cp1250Converter(const Cp1250Converter&) = delete;
    Cp1250Converter& operator=(const Cp1250Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one byte; false when the code page has no character for it.
    bool Convert(char byte, std::string& out) {
        char in[1] = {byte};
        char buffer[8];
        char* inPtr = in;
        std::size_t inLeft = 1;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            return false;
        }
        out.append(buffer, sizeof buffer - outLeft);
        return true;
    }

private:
    iconv_t cd_;
};

constexpr const char* ReplacementCharacter = "\xEF\xBF\xBD";

} // namespace

std::string DecodeCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    Cp1250Converter converter;
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            out += byte; // ASCII is the same in both
        } else if (!converter.valid() || !converter.Convert(byte, out)) {
            out += ReplacementCharacter;
        }
    }
    return out;
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
    if (fileName.find('/') != std::string::npos) {
        return fileName;
    }
    std::string base;
    // Only absolute folders count, as the desktop's configuration rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        base = config;
    } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        base = std::string(home) + "/.config";
    } else {
        return fileName;
    }
    const std::string own = base + "/sixdice/" + fileName;
    struct stat st {};
    // Anything by that name counts, even a broken link: the player meant it, and hears about it.
    if (::lstat(own.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR)) {
        return own;
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
