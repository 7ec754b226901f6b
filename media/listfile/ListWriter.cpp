// Writing image and sound lists as a resource header followed by the object stream.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/BmpFile.h"
#include "media/listfile/ByteWriter.h"
#include "media/listfile/ColorNames.h"
#include "media/listfile/DibCodec.h"
#include "media/listfile/ListFile.h"
#include "media/listfile/StreamNames.h"
#include "media/listfile/WavFile.h"

#include <algorithm>

namespace sixdice::media {

namespace {

class StreamWriter {
public:
    explicit StreamWriter(ByteWriter& out) : out_(out) {}

    void name(std::string_view propertyName) { out_.shortString(propertyName); }
    // Integers take the smallest of the three integer tags that holds them.
    void integer(std::int32_t v) {
        if (v >= -128 && v <= 127) {
            out_.u8(kTagInt8);
            out_.u8(std::uint8_t(v));
        } else if (v >= -32768 && v <= 32767) {
            out_.u8(kTagInt16);
            out_.u16(std::uint16_t(v));
        } else {
            out_.u8(kTagInt32);
            out_.i32(v);
        }
    }
    void text(std::string_view s) {
        if (s.size() <= 255) {
            out_.u8(kTagString);
            out_.shortString(s);
        } else {
            out_.u8(kTagLongString);
            out_.u32(std::uint32_t(s.size()));
            out_.chars(s);
        }
    }
    void boolean(bool v) { out_.u8(v ? kTagTrue : kTagFalse); }
    void color(ColorCode c) {
        if (auto n = NameOfColor(c)) {
            out_.u8(kTagIdent);
            out_.shortString(*n);
        } else {
            integer(std::int32_t(c));
        }
    }
    void binary(std::span<const std::uint8_t> data) {
        out_.u8(kTagBinary);
        out_.u32(std::uint32_t(data.size()));
        out_.bytes(data);
    }
    void tag(Tag t) { out_.u8(t); }

private:
    ByteWriter& out_;
};

std::vector<std::uint8_t> PictureBlock(const Picture& picture, PictureStorage storage) {
    ByteWriter block;
    if (storage == PictureStorage::Dib) {
        block.shortString("TDIB");
        WriteDib24(picture, block);
    } else {
        block.shortString("TBitmap");
        const auto file = WriteBmpFile(picture);
        block.u32(std::uint32_t(file.size()));
        block.bytes(file);
    }
    return block.release();
}

// Entry properties in the order of the property table; values equal to the default are left out.
void WriteImageEntry(StreamWriter& w, const ImageEntry& e, PictureStorage storage) {
    if (!e.name.empty()) {
        w.name("Name");
        w.text(e.name);
    }
    if (e.patternHeight != 0) {
        w.name("PatternHeight");
        w.integer(e.patternHeight);
    }
    if (e.patternWidth != 0) {
        w.name("PatternWidth");
        w.integer(e.patternWidth);
    }
    if (!e.picture.empty()) {
        w.name("Picture.Data");
        w.binary(PictureBlock(e.picture, storage));
    }
    if (e.skipHeight != 0) {
        w.name("SkipHeight");
        w.integer(e.skipHeight);
    }
    if (e.skipWidth != 0) {
        w.name("SkipWidth");
        w.integer(e.skipWidth);
    }
    if (e.systemMemory) {
        w.name("SystemMemory");
        w.boolean(true);
    }
    if (!e.transparent) {
        w.name("Transparent");
        w.boolean(false);
    }
    if (e.transparentColor != 0) {
        w.name("TransparentColor");
        w.color(e.transparentColor);
    }
}

void WriteSoundEntry(StreamWriter& w, const SoundEntry& e) {
    if (!e.name.empty()) {
        w.name("Name");
        w.text(e.name);
    }
    if (e.looped) {
        w.name("Looped");
        w.boolean(true);
    }
    if (e.maxPlayingCount > 0) {
        w.name("MaxPlayingCount");
        w.integer(e.maxPlayingCount);
    }
    if (!e.format.empty() || !e.samples.empty()) {
        w.name("Wave.WAVE");
        w.binary(WriteWaveImage(e, false));
    }
}

// The resource header, then the stream produced by writeRoot; the stream length is filled in last.
template <typename WriteRoot>
std::vector<std::uint8_t> WriteResource(const std::string& resourceName, const char* holderClass,
                                        WriteRoot writeRoot) {
    ByteWriter out;
    out.u8(kResourceMarker);
    out.u16(kResourceType);
    std::string name = resourceName.substr(0, resourceName.find('\0'));
    name = name.substr(0, kMaxResourceName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    out.chars(name);
    out.u8(0);
    out.u16(kResourceFlags);
    const std::size_t lengthAt = out.size();
    out.u32(0);
    const std::size_t streamStart = out.size();

    out.chars("TPF0");
    out.shortString(holderClass);
    out.shortString(""); // the holder carries no name
    StreamWriter w(out);
    writeRoot(w);
    w.tag(kTagNull); // end of the holder's properties
    w.tag(kTagNull); // end of its (absent) child objects
    out.patchU32(lengthAt, std::uint32_t(out.size() - streamStart));
    return out.release();
}

} // namespace

std::vector<std::uint8_t> WriteImageList(const ImageList& list, const std::string& resourceName,
                                         PictureStorage storage) {
    return WriteResource(resourceName, kImageHolderClass, [&](StreamWriter& w) {
        std::vector<std::uint8_t> table(kColorTableSize, 0);
        std::copy_n(list.colorTable.begin(), std::min(list.colorTable.size(), kColorTableSize),
                    table.begin());
        w.name("List.ColorTable");
        w.binary(table);
        w.name("List");
        w.tag(kTagCollection);
        for (const auto& e : list.entries) {
            w.tag(kTagList);
            WriteImageEntry(w, e, storage);
            w.tag(kTagNull);
        }
        w.tag(kTagNull);
    });
}

std::vector<std::uint8_t> WriteSoundList(const SoundList& list, const std::string& resourceName) {
    return WriteResource(resourceName, kSoundHolderClass, [&](StreamWriter& w) {
        w.name("List");
        w.tag(kTagCollection);
        for (const auto& e : list.entries) {
            w.tag(kTagList);
            WriteSoundEntry(w, e);
            w.tag(kTagNull);
        }
        w.tag(kTagNull);
    });
}

} // namespace sixdice::media
