// Class names and value tags of the object stream that both the reader and the writer use.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sixdice::media {

inline constexpr const char* kImageHolderClass = "TPictureCollectionComponent";
inline constexpr const char* kImageEntryClass = "TPictureCollectionItem";
inline constexpr const char* kSoundHolderClass = "TWaveCollectionComponent";
inline constexpr const char* kSoundEntryClass = "TWaveCollectionItem";

// The resource header's fixed parts.
inline constexpr std::uint8_t kResourceMarker = 255;
inline constexpr std::uint16_t kResourceType = 10;
inline constexpr std::uint16_t kResourceFlags = 0x1030;
inline constexpr std::size_t kMaxResourceName = 63;
inline constexpr std::size_t kColorTableSize = 1024;

// One-byte value tags of the object stream.
enum Tag : std::uint8_t {
    kTagNull = 0,
    kTagList = 1,
    kTagInt8 = 2,
    kTagInt16 = 3,
    kTagInt32 = 4,
    kTagExtended = 5,
    kTagString = 6,
    kTagIdent = 7,
    kTagFalse = 8,
    kTagTrue = 9,
    kTagBinary = 10,
    kTagSet = 11,
    kTagLongString = 12,
    kTagNil = 13,
    kTagCollection = 14,
    kTagSingle = 15,
    kTagCurrency = 16,
    kTagDate = 17,
    kTagWideString = 18,
    kTagInt64 = 19,
};

} // namespace sixdice::media
