// Code page 1250 texts from and to UTF-8, one character at a time over the platform's mapping.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Cp1250.h"

#include "platform/CodePage.h"

namespace sixdice::scores {
namespace {

constexpr const char* ReplacementCharacter = "\xEF\xBF\xBD";

// One step through UTF-8 text: the character at the front and how many bytes it took, or no
// character for a byte sequence that is not valid UTF-8 (a stray or cut-off byte, an overlong or
// surrogate form, a value past U+10FFFF), which is then stepped over as a whole where its framing
// holds and byte by byte where it does not, so the characters after it still count.
struct Step {
    std::optional<char32_t> character;
    std::size_t length = 1;
};

Step NextCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return {std::nullopt, 1};
    }
    if (length > text.size()) {
        return {std::nullopt, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80 || c > 0xBF) {
            return {std::nullopt, 1};
        }
        value = value << 6 | (c & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) {
        return {std::nullopt, length};
    }
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Converts; counts the characters that had to be replaced by "?".
std::string Encode(std::string_view utf8, int& replaced) {
    replaced = 0;
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Step step = NextCharacter(utf8);
        utf8.remove_prefix(step.length);
        if (step.character && *step.character < 0x80) {
            out += static_cast<char>(*step.character);
        } else if (auto byte =
                       step.character ? platform::UnicodeToCp1250(*step.character) : std::nullopt) {
            out += static_cast<char>(*byte);
        } else {
            out += '?';
            ++replaced;
        }
    }
    return out;
}

} // namespace

std::string ToCp1250(std::string_view utf8) {
    int replaced = 0;
    return Encode(utf8, replaced);
}

bool IsCp1250Representable(std::string_view utf8) {
    int replaced = 0;
    Encode(utf8, replaced);
    return replaced == 0;
}

std::string FromCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out += byte; // ASCII is the same in both
        } else if (auto character = platform::Cp1250ToUnicode(b)) {
            AppendUtf8(out, *character);
        } else {
            out += ReplacementCharacter;
        }
    }
    return out;
}

} // namespace sixdice::scores
