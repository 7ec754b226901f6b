// UTF-8 decoding by hand: the widgets accept only well-formed characters.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/widgets/Utf8.h"

namespace sixdice::media::widgets {

std::size_t SequenceLength(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t min = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

std::vector<std::size_t> CharacterStarts(std::string_view utf8) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    starts.push_back(utf8.size());
    return starts;
}

int CharacterCount(std::string_view utf8) {
    return static_cast<int>(CharacterStarts(utf8).size()) - 1;
}

std::vector<std::string> SplitCharacters(std::string_view utf8) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t length = SequenceLength(utf8, at);
        if (length == 0) {
            ++at;
            continue;
        }
        out.emplace_back(utf8.substr(at, length));
        at += length;
    }
    return out;
}

char32_t CodePointOf(std::string_view c) {
    if (c.empty())
        return 0;
    const auto b = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(c[i])); };
    switch (c.size()) {
    case 1:
        return b(0);
    case 2:
        return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3:
        return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    default:
        return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    }
}

bool IsWordBreak(char32_t cp) {
    return cp == U' ' || cp == U'\t' || cp == 0xA0 || cp == 0x1680 ||
           (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

} // namespace sixdice::media::widgets
