// Formatting listing lines and parsing them back.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zrk/Listing.h"

#include "media/listfile/StreamNames.h"

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

ListKind DetectKind(std::span<const std::uint8_t> bytes) {
    // The class name follows the header, the "TPF0" signature and an optional flags byte.
    const std::size_t limit = std::min<std::size_t>(bytes.size(), 79);
    std::size_t nameEnd = 3;
    while (nameEnd < limit && bytes[nameEnd] != 0) {
        ++nameEnd;
    }
    std::size_t at = nameEnd + 7 + 4;
    if (at < bytes.size() && (bytes[at] & 0xF0) == 0xF0) {
        const bool withIndex = bytes[at] & 0x02;
        ++at;
        if (withIndex && at < bytes.size()) {
            const std::uint8_t tag = bytes[at];
            at += 1 + (tag == media::kTagInt8 ? 1 : tag == media::kTagInt16 ? 2 : 4);
        }
    }
    if (at < bytes.size()) {
        const std::size_t length = bytes[at];
        if (at + 1 + length <= bytes.size()) {
            const std::string name(bytes.begin() + at + 1, bytes.begin() + at + 1 + length);
            if (name == media::kSoundHolderClass) {
                return ListKind::Sounds;
            }
        }
    }
    return ListKind::Images;
}

std::string QuoteName(const std::string& name) {
    std::string out = "\"";
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
    s << " name=" << QuoteName(e.name);
    return s.str();
}

std::string SoundLine(int index, const media::SoundEntry& e) {
    const media::WaveFormat f = e.waveFormat();
    std::ostringstream s;
    s << index << " sound format=" << f.formatTag << " channels=" << f.channels
      << " rate=" << f.sampleRate << " bits=" << f.bitsPerSample << " data=" << e.samples.size()
      << " looped=" << YesNo(e.looped) << " max=" << e.maxPlayingCount
      << " name=" << QuoteName(e.name);
    return s.str();
}

std::string Listing(const media::ImageList& list) {
    std::string out;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        out += ImageLine(int(i), list.entries[i]) + "\n";
    }
    return out;
}

std::string Listing(const media::SoundList& list) {
    std::string out;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        out += SoundLine(int(i), list.entries[i]) + "\n";
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
