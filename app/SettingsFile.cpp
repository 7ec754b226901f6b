// The settings file reader: bytes from disk, decoded from code page 1250, split into lines.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>
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

std::optional<std::string> LoadSettingsFile(const std::string& fileName, ui::SettingsLines& lines) {
    lines.Clear();
    auto failure = [&](const char* what, int error) {
        return std::string(what) + " \"" + fileName + "\". " + std::strerror(error) + ".";
    };
    int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return failure("Cannot open file", errno);
    }
    std::string bytes;
    char buffer[4096];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            int error = errno;
            ::close(fd);
            return failure("Cannot read file", error);
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    lines = SplitSettingsText(bytes);
    return std::nullopt;
}

} // namespace sixdice::app
