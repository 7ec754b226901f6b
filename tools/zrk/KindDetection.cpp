// Scanning a list file's holder and entries for the properties that only one kind of list has.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/zrk/KindDetection.h"

#include "media/listfile/ByteCursor.h"
#include "media/listfile/StreamNames.h"
#include "media/listfile/StreamValues.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace sixdice::zrk {

namespace {

constexpr std::size_t kHeaderReadSize = 79;

constexpr std::array<std::string_view, 9> kImageProperties{
    "PatternHeight", "PatternWidth", "Picture",     "Picture.Data",    "SkipHeight",
    "SkipWidth",     "SystemMemory", "Transparent", "TransparentColor"};
constexpr std::array<std::string_view, 4> kSoundProperties{"Looped", "MaxPlayingCount", "Wave",
                                                           "Wave.WAVE"};

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view n) { return media::SameName(name, n); });
}

std::optional<ListKind> KindOfEntryProperty(const std::string& name) {
    if (OneOf(name, kImageProperties)) {
        return ListKind::Images;
    }
    if (OneOf(name, kSoundProperties)) {
        return ListKind::Sounds;
    }
    return std::nullopt;
}

// The entries of a "List" collection, until one of them names a property of one kind only.
std::optional<ListKind> ScanCollection(media::ByteCursor& in) {
    if (in.u8() != media::kTagCollection) {
        return std::nullopt;
    }
    while (in.peek() != media::kTagNull) {
        const std::uint8_t t = in.peek();
        if (t == media::kTagInt8 || t == media::kTagInt16 || t == media::kTagInt32) {
            media::ReadIntegerValue(in);
        }
        if (in.u8() != media::kTagList) {
            return std::nullopt;
        }
        while (in.peek() != media::kTagNull) {
            const std::string name = in.shortString();
            if (auto kind = KindOfEntryProperty(name)) {
                return kind;
            }
            media::SkipValue(in);
        }
        in.u8();
    }
    in.u8();
    return std::nullopt;
}

// The holder's properties; only its own kind of list has a palette or such entries.
std::optional<ListKind> ScanContent(std::span<const std::uint8_t> bytes, std::string& className) {
    const std::size_t n = std::min(bytes.size(), kHeaderReadSize);
    if (n < 3 || bytes[0] != media::kResourceMarker) {
        return std::nullopt;
    }
    const auto nameEnd = std::find(bytes.begin() + 3, bytes.begin() + std::ptrdiff_t(n), 0);
    const std::size_t start = 10 + std::size_t(nameEnd - (bytes.begin() + 3));
    if (start + 4 > bytes.size() || std::memcmp(bytes.data() + start, "TPF0", 4) != 0) {
        return std::nullopt;
    }
    media::ByteCursor in(bytes.subspan(start + 4));
    if ((in.peek() & 0xF0) == 0xF0 && (in.u8() & 0x02)) {
        media::ReadIntegerValue(in);
    }
    className = in.shortString();
    in.shortString(); // the root's object name
    while (in.peek() != media::kTagNull) {
        const std::string name = in.shortString();
        if (media::SameName(name, "List.ColorTable")) {
            return ListKind::Images;
        }
        if (media::SameName(name, "List")) {
            if (auto kind = ScanCollection(in)) {
                return kind;
            }
        } else {
            media::SkipValue(in);
        }
    }
    return std::nullopt;
}

bool Contains(const std::string& text, std::string_view word) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return upper.find(word) != std::string::npos;
}

std::optional<ListKind> KindOfName(const std::string& name) {
    const bool sounds = Contains(name, "WAVE") || Contains(name, "SOUND") || Contains(name, "ZVUK");
    const bool images =
        Contains(name, "PICTURE") || Contains(name, "IMAGE") || Contains(name, "GRAFIK");
    if (sounds == images) {
        return std::nullopt;
    }
    return sounds ? ListKind::Sounds : ListKind::Images;
}

std::string ResourceName(std::span<const std::uint8_t> bytes) {
    const std::size_t n = std::min(bytes.size(), kHeaderReadSize);
    if (n < 3) {
        return {};
    }
    const auto nameEnd = std::find(bytes.begin() + 3, bytes.begin() + std::ptrdiff_t(n), 0);
    return std::string(bytes.begin() + 3, nameEnd);
}

} // namespace

KindGuess DetectKind(std::span<const std::uint8_t> bytes) {
    std::string className;
    try {
        if (auto kind = ScanContent(bytes, className)) {
            return KindGuess{kind, true};
        }
    } catch (const media::ReadFailure&) {
        // A damaged file: what was seen before the damage decides nothing; the names may.
    }
    if (auto kind = KindOfName(ResourceName(bytes))) {
        return KindGuess{kind, false};
    }
    return KindGuess{KindOfName(className), false};
}

} // namespace sixdice::zrk
