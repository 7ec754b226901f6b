// UTF-8 to code page 1250 through iconv, one character at a time where it cannot convert.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Cp1250.h"

#include <cerrno>
#include <iconv.h>

namespace sixdice::scores {
namespace {

class Converter {
public:
    Converter() : cd_(iconv_open("CP1250", "UTF-8")) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts; counts the characters that had to be replaced by "?".
    std::string Convert(std::string_view utf8, int& replaced) {
        replaced = 0;
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            for (unsigned char c : utf8) {
                out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
                replaced += c < 0x80 ? 0 : 1;
            }
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string input(utf8);
        char* in = input.data();
        std::size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ (no such character, or a broken sequence) or EINVAL (cut-off sequence):
            // put "?" for this character and step over it.
            out.push_back('?');
            ++replaced;
            const std::size_t skip = CharacterLength(in, inLeft);
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    // Bytes of the whole UTF-8 character at `at`; 1 for a stray or broken byte, so that the
    // characters after a broken one are still converted.
    static std::size_t CharacterLength(const char* at, std::size_t left) {
        const auto lead = static_cast<unsigned char>(at[0]);
        std::size_t length = 1;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
        }
        if (length > left) {
            return 1;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto c = static_cast<unsigned char>(at[i]);
            if (c < 0x80 || c > 0xBF) {
                return 1;
            }
        }
        return length;
    }

    iconv_t cd_;
};

} // namespace

std::string ToCp1250(std::string_view utf8) {
    Converter converter;
    int replaced = 0;
    return converter.Convert(utf8, replaced);
}

bool IsCp1250Representable(std::string_view utf8) {
    Converter converter;
    int replaced = 0;
    converter.Convert(utf8, replaced);
    return replaced == 0;
}

} // namespace sixdice::scores
