// Formatting listing lines and parsing them back.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zrk/Listing.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace sixdice::zrk {

namespace {

const char* YesNo(bool v) {
    return v ? "yes" : "no";
}

std::string Hex8(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", v);
    return buf;
}

} // namespace

std::string QuoteName(const std::string& name) {
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (unsigned char c : name) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string ImageLine(int index, const media::ImageEntry& e) {
    std::ostringstream s;
    s << index << " image ";
    if (e.picture.empty()) {
        s << "empty";
    } else {
        s << e.picture.width << 'x' << e.picture.height << " patterns=" << e.patternCount()
          << " transparent=" << YesNo(e.transparent) << " color=" << Hex8(e.transparentColor);
    }
    // The name is appended, not streamed: it may be as long as the file, and is copied less so.
    return s.str() + " name=" + QuoteName(e.name);
}

std::string SoundLine(int index, const media::SoundEntry& e) {
    const media::WaveFormat f = e.waveFormat();
    std::ostringstream s;
    s << index << " sound format=" << f.formatTag << " channels=" << f.channels
      << " rate=" << f.sampleRate << " bits=" << f.bitsPerSample << " data=" << e.samples.size()
      << " looped=" << YesNo(e.looped) << " max=" << e.maxPlayingCount;
    return s.str() + " name=" + QuoteName(e.name);
}

std::string Listing(const media::ImageList& list) {
    std::string out;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        out += ImageLine(int(i), list.entries[i]);
        out += '\n';
    }
    return out;
}

std::string Listing(const media::SoundList& list) {
    std::string out;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        out += SoundLine(int(i), list.entries[i]);
        out += '\n';
    }
    return out;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a quoted name starting at text[pos] == '"'; pos ends after the closing quote.
std::optional<std::string> Unquote(const std::string& text, std::size_t& pos) {
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= text.size()) {
            return std::nullopt;
        }
        if (text[pos] == 'x') {
            if (pos + 2 >= text.size()) {
                return std::nullopt;
            }
            const int hi = HexDigit(text[pos + 1]), lo = HexDigit(text[pos + 2]);
            if (hi < 0 || lo < 0) {
                return std::nullopt;
            }
            out += char(hi * 16 + lo);
            pos += 2;
        } else {
            out += text[pos];
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ListingLine> ParseListingLine(const std::string& line) {
    ListingLine parsed;
    std::size_t pos = 0;
    auto skipSpaces = [&] {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t' || line[pos] == '\r')) {
            ++pos;
        }
    };
    auto word = [&] {
        skipSpaces();
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != '=' &&
               line[pos] != '\r') {
            ++pos;
        }
        return line.substr(start, pos - start);
    };
    const std::string index = word();
    if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos ||
        index.size() > 6) {
        return std::nullopt;
    }
    parsed.index = std::stoi(index);
    parsed.kind = word();
    if (parsed.kind.empty()) {
        return std::nullopt;
    }
    while (true) {
        const std::string key = word();
        if (key.empty()) {
            skipSpaces();
            return pos >= line.size() ? std::optional(parsed) : std::nullopt;
        }
        if (pos >= line.size() || line[pos] != '=') {
            // A bare word such as "empty" or the "WxH" size.
            parsed.fields[key] = "";
            continue;
        }
        ++pos;
        if (pos < line.size() && line[pos] == '"') {
            auto value = Unquote(line, pos);
            if (!value) {
                return std::nullopt;
            }
            parsed.fields[key] = *value;
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' &&
                   line[pos] != '\r') {
                ++pos;
            }
            parsed.fields[key] = line.substr(start, pos - start);
        }
    }
}

} // namespace sixdice::zrk
