// Typed values of the object stream: integers, texts, byte blocks, Booleans, colours, and skipping.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/StreamValues.h"

#include "media/listfile/ColorNames.h"
#include "media/listfile/StreamNames.h"

namespace sixdice::media {

namespace {

// Nested lists and collections in skipped values are limited so that a hostile file cannot
// exhaust the stack.
constexpr int kMaxNesting = 64;

std::int32_t IntegerPayload(ByteCursor& in, std::uint8_t tag) {
    switch (tag) {
    case kTagInt8:
        return in.i8();
    case kTagInt16:
        return in.i16();
    case kTagInt32:
        return in.i32();
    default:
        throw ReadFailure(kInvalidPropertyValue);
    }
}

bool IsIntegerTag(std::uint8_t tag) {
    return tag == kTagInt8 || tag == kTagInt16 || tag == kTagInt32;
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

std::int32_t ReadIntegerValue(ByteCursor& in) {
    return IntegerPayload(in, in.u8());
}

std::string ReadTextValue(ByteCursor& in) {
    switch (in.u8()) {
    case kTagString:
        return in.shortString();
    case kTagLongString:
        return in.chars(in.u32());
    default:
        throw ReadFailure(kInvalidPropertyValue);
    }
}

std::span<const std::uint8_t> ReadBinaryValue(ByteCursor& in) {
    if (in.u8() != kTagBinary) {
        throw ReadFailure(kInvalidPropertyValue);
    }
    return in.take(in.u32());
}

bool ReadBooleanValue(ByteCursor& in) {
    return in.u8() == kTagTrue;
}

ColorCode ReadColorValue(ByteCursor& in) {
    const std::uint8_t tag = in.u8();
    if (tag == kTagIdent) {
        if (auto code = ColorFromName(in.shortString())) {
            return *code;
        }
        throw ReadFailure(kInvalidPropertyValue);
    }
    return ColorCode(IntegerPayload(in, tag));
}

void SkipValue(ByteCursor& in, int depth) {
    if (depth > kMaxNesting) {
        throw ReadFailure(kInvalidStreamFormat);
    }
    const std::uint8_t tag = in.u8();
    switch (tag) {
    case kTagNull:
    case kTagFalse:
    case kTagTrue:
    case kTagNil:
        return;
    case kTagInt8:
        in.skip(1);
        return;
    case kTagInt16:
        in.skip(2);
        return;
    case kTagInt32:
    case kTagSingle:
        in.skip(4);
        return;
    case kTagCurrency:
    case kTagDate:
    case kTagInt64:
        in.skip(8);
        return;
    case kTagExtended:
        in.skip(10);
        return;
    case kTagString:
    case kTagIdent:
        in.skip(in.u8());
        return;
    case kTagBinary:
    case kTagLongString:
        in.skip(in.u32());
        return;
    case kTagWideString: {
        const std::uint64_t units = in.u32();
        if (units * 2 > in.remaining()) {
            throw ReadFailure(kStreamReadError);
        }
        in.skip(std::size_t(units * 2));
        return;
    }
    case kTagSet: // element names as short strings, ended by an empty one
        for (std::uint8_t length = in.u8(); length != 0; length = in.u8()) {
            in.skip(length);
        }
        return;
    case kTagList:
        while (in.peek() != kTagNull) {
            SkipValue(in, depth + 1);
        }
        in.u8();
        return;
    case kTagCollection:
        while (in.peek() != kTagNull) {
            if (IsIntegerTag(in.peek())) {
                ReadIntegerValue(in);
            }
            if (in.u8() != kTagList) {
                throw ReadFailure(kInvalidPropertyValue);
            }
            while (in.peek() != kTagNull) {
                in.skip(in.u8()); // property name
                SkipValue(in, depth + 1);
            }
            in.u8();
        }
        in.u8();
        return;
    default:
        throw ReadFailure(kInvalidPropertyValue);
    }
}

} // namespace sixdice::media
