// Reading image and sound lists: resource header, object stream, holder, collection and entries.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/DibCodec.h"
#include "media/listfile/ListFile.h"
#include "media/listfile/StreamNames.h"
#include "media/listfile/StreamValues.h"
#include "media/listfile/WavFile.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace sixdice::media {

namespace {

constexpr std::size_t kHeaderReadSize = 79;
constexpr int kMaxChildNesting = 32;

// Where the object stream starts: after the marker, the type and the zero-ended resource name
// (found within the first 79 bytes), the flags and the stream length.
std::size_t ObjectStreamStart(std::span<const std::uint8_t> bytes) {
    const std::size_t n = std::min(bytes.size(), kHeaderReadSize);
    if (n < 3 || bytes[0] != kResourceMarker || (bytes[1] | (bytes[2] << 8)) != kResourceType) {
        throw ReadFailure(kInvalidStreamFormat);
    }
    const auto nameEnd = std::find(bytes.begin() + 3, bytes.begin() + n, 0);
    const std::size_t nameLength = std::size_t(nameEnd - (bytes.begin() + 3));
    return 10 + nameLength;
}

bool IsValidIdent(const std::string& s) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (s.empty() || !letter(s[0])) {
        return false;
    }
    return std::all_of(s.begin() + 1, s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

// Reads properties until the zero byte; a failure inside one is wrapped with the object's name
// and the property's path, so nested objects build up the chain of where it happened.
template <typename ReadOne>
void ReadProperties(ByteCursor& in, const std::string& objectName, ReadOne readOne) {
    while (in.peek() != kTagNull) {
        std::string path;
        try {
            path = in.shortString();
            readOne(path);
        } catch (const ReadFailure& inner) {
            throw ReadFailure("Error reading " + objectName + "." + path + ": " + inner.message);
        }
    }
    in.u8();
}

// The optional flags byte in front of an object; with flag 2 an integer follows.
void SkipObjectFlags(ByteCursor& in) {
    const std::uint8_t b = in.peek();
    if ((b & 0xF0) == 0xF0) {
        in.u8();
        if (b & 0x02) {
            ReadIntegerValue(in);
        }
    }
}

void SkipChildObjects(ByteCursor& in, int depth);

// A child object the lists do not hold is read through and left out.
void SkipObject(ByteCursor& in, int depth) {
    if (depth > kMaxChildNesting) {
        throw ReadFailure(kInvalidStreamFormat);
    }
    SkipObjectFlags(in);
    const std::string className = in.shortString();
    const std::string name = in.shortString();
    ReadProperties(in, name.empty() ? className : name, [&](const std::string&) { SkipValue(in); });
    SkipChildObjects(in, depth + 1);
}

void SkipChildObjects(ByteCursor& in, int depth) {
    while (in.peek() != kTagNull) {
        SkipObject(in, depth);
    }
    in.u8();
}

void ReadPictureBlock(std::span<const std::uint8_t> block, Picture& picture, DecodeBudget& budget) {
    ByteCursor in(block);
    const std::string kind = in.shortString();
    if (kind == "TDIB") {
        picture = DecodeDib(in, budget);
    } else if (kind == "TBitmap") {
        const std::uint32_t size = in.u32();
        const auto file = in.take(size);
        picture = size == 0 ? Picture{} : DecodeBmpFile(file, budget);
    } else {
        // A picture kind this reader does not know: the entry stays without a picture.
        picture = Picture{};
    }
}

void ReadImageProperty(ByteCursor& in, const std::string& path, ImageEntry& e,
                       DecodeBudget& budget) {
    if (SameName(path, "Name")) {
        e.name = ReadTextValue(in);
    } else if (SameName(path, "PatternHeight")) {
        e.patternHeight = ReadIntegerValue(in);
    } else if (SameName(path, "PatternWidth")) {
        e.patternWidth = ReadIntegerValue(in);
    } else if (SameName(path, "SkipHeight")) {
        e.skipHeight = ReadIntegerValue(in);
    } else if (SameName(path, "SkipWidth")) {
        e.skipWidth = ReadIntegerValue(in);
    } else if (SameName(path, "SystemMemory")) {
        e.systemMemory = ReadBooleanValue(in);
    } else if (SameName(path, "Transparent")) {
        e.transparent = ReadBooleanValue(in);
    } else if (SameName(path, "TransparentColor")) {
        e.transparentColor = ReadColorValue(in);
    } else if (SameName(path, "Picture.Data")) {
        ReadPictureBlock(ReadBinaryValue(in), e.picture, budget);
    } else if (SameName(path, "Picture")) {
        // The picture object itself has no value of its own in these files.
        in.u8();
        throw ReadFailure(kInvalidPropertyValue);
    } else {
        throw ReadFailure(kPropertyDoesNotExist);
    }
}

void ReadSoundProperty(ByteCursor& in, const std::string& path, SoundEntry& e,
                       DecodeBudget& budget) {
    if (SameName(path, "Name")) {
        e.name = ReadTextValue(in);
    } else if (SameName(path, "Looped")) {
        e.looped = ReadBooleanValue(in);
    } else if (SameName(path, "MaxPlayingCount")) {
        e.maxPlayingCount = std::max<std::int32_t>(0, ReadIntegerValue(in));
    } else if (SameName(path, "Wave.WAVE")) {
        ReadWaveBlock(ReadBinaryValue(in), e);
        try {
            budget.TakeRecording(e);
        } catch (const ReadFailure&) {
            // Nothing beyond the budget stays in the list, not even in the failing entry.
            e.format.clear();
            e.samples.clear();
            throw;
        }
    } else if (SameName(path, "Wave")) {
        in.u8();
        throw ReadFailure(kInvalidPropertyValue);
    } else {
        throw ReadFailure(kPropertyDoesNotExist);
    }
}

// A collection: entries, each an optional ignored integer, tag 1, its properties and tag 0; then 0.
// Each entry joins the list as soon as it starts, so a failure keeps it as far as it was read.
template <typename Entry, typename ReadOne>
void ReadCollection(ByteCursor& in, std::vector<Entry>& entries, const char* entryClass,
                    ReadOne readOne) {
    if (in.u8() != kTagCollection) {
        throw ReadFailure(kInvalidPropertyValue);
    }
    entries.clear();
    while (in.peek() != kTagNull) {
        const std::uint8_t t = in.peek();
        if (t == kTagInt8 || t == kTagInt16 || t == kTagInt32) {
            ReadIntegerValue(in);
        }
        if (in.u8() != kTagList) {
            throw ReadFailure(kInvalidPropertyValue);
        }
        entries.emplace_back();
        const std::size_t index = entries.size() - 1;
        ReadProperties(in, entryClass,
                       [&](const std::string& path) { readOne(in, path, entries[index]); });
    }
    in.u8();
}

// Reads the whole file; readHolderProperty handles the holder's properties by path.
template <typename ReadHolderProperty>
void ReadListFile(std::span<const std::uint8_t> bytes, const char* holderClass,
                  ReadHolderProperty readHolderProperty) {
    const std::size_t start = ObjectStreamStart(bytes);
    if (start + 4 > bytes.size() || std::memcmp(bytes.data() + start, "TPF0", 4) != 0) {
        throw ReadFailure(kInvalidStreamFormat);
    }
    ByteCursor in(bytes.subspan(start + 4));
    SkipObjectFlags(in);
    in.shortString(); // the root's class name: the root is always read as the list's holder
    const std::string rootName = in.shortString();
    if (!rootName.empty() && !IsValidIdent(rootName)) {
        throw ReadFailure("''" + rootName + "'' is not a valid component name");
    }
    ReadProperties(in, rootName.empty() ? std::string(holderClass) : rootName,
                   [&](const std::string& path) {
                       if (SameName(path, "Tag")) {
                           ReadIntegerValue(in);
                       } else if (!readHolderProperty(in, path)) {
                           throw ReadFailure(kPropertyDoesNotExist);
                       }
                   });
    SkipChildObjects(in, 0);
}

template <typename Read>
LoadError Guarded(Read read) {
    try {
        read();
        return std::nullopt;
    } catch (const ReadFailure& failure) {
        return failure.message;
    } catch (const std::bad_alloc&) {
        return std::string("Out of memory");
    }
}

} // namespace

LoadError ReadImageList(std::span<const std::uint8_t> bytes, ImageList& list) {
    list.entries.clear();
    list.colorTable.clear();
    DecodeBudget budget;
    return Guarded([&] {
        ReadListFile(bytes, kImageHolderClass, [&](ByteCursor& in, const std::string& path) {
            if (SameName(path, "List.ColorTable")) {
                const auto block = ReadBinaryValue(in);
                if (block.size() < kColorTableSize) {
                    throw ReadFailure(kStreamReadError);
                }
                list.colorTable.assign(block.begin(), block.begin() + kColorTableSize);
            } else if (SameName(path, "List")) {
                ReadCollection(in, list.entries, kImageEntryClass,
                               [&](ByteCursor& c, const std::string& p, ImageEntry& e) {
                                   ReadImageProperty(c, p, e, budget);
                               });
            } else {
                return false;
            }
            return true;
        });
    });
}

LoadError ReadSoundList(std::span<const std::uint8_t> bytes, SoundList& list) {
    list.entries.clear();
    DecodeBudget budget;
    return Guarded([&] {
        ReadListFile(bytes, kSoundHolderClass, [&](ByteCursor& in, const std::string& path) {
            if (!SameName(path, "List")) {
                return false;
            }
            ReadCollection(in, list.entries, kSoundEntryClass,
                           [&](ByteCursor& c, const std::string& p, SoundEntry& e) {
                               ReadSoundProperty(c, p, e, budget);
                           });
            return true;
        });
    });
}

} // namespace sixdice::media
