// Hand-made list files for the reader's tests: a fluent byte builder and the usual framing.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ByteWriter.h"
#include "media/listfile/ListFile.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace sixdice::media::test {

using Bytes = std::vector<std::uint8_t>;

class Stream {
public:
    Stream& u8(std::uint8_t v) {
        w_.u8(v);
        return *this;
    }
    Stream& u16(std::uint16_t v) {
        w_.u16(v);
        return *this;
    }
    Stream& u32(std::uint32_t v) {
        w_.u32(v);
        return *this;
    }
    Stream& raw(const std::string& s) {
        w_.chars(s);
        return *this;
    }
    Stream& raw(const Bytes& b) {
        w_.bytes(b);
        return *this;
    }
    Stream& str(const std::string& s) {
        w_.shortString(s);
        return *this;
    }
    // A property name followed by a value written with the given tag.
    Stream& intProp(const std::string& name, std::int32_t v) {
        str(name);
        if (v >= -128 && v <= 127) {
            return u8(2).u8(std::uint8_t(v));
        }
        if (v >= -32768 && v <= 32767) {
            return u8(3).u16(std::uint16_t(v));
        }
        return u8(4).u32(std::uint32_t(v));
    }
    Stream& textProp(const std::string& name, const std::string& v) {
        return str(name).u8(6).str(v);
    }
    Stream& identProp(const std::string& name, const std::string& v) {
        return str(name).u8(7).str(v);
    }
    Stream& binProp(const std::string& name, const Bytes& v) {
        return str(name).u8(10).u32(std::uint32_t(v.size())).raw(v);
    }
    Bytes bytes() const { return w_.data(); }

private:
    ByteWriter w_;
};

// A resource header with the given name (written as is), flags and a stream length of 0.
inline Stream Header(const std::string& resourceName = "LIST") {
    Stream s;
    s.u8(255).u16(10).raw(resourceName).u8(0).u16(0x1030).u32(0);
    return s;
}

// A complete file whose holder has a "List" collection with one entry per body.
inline Bytes ListFileWith(std::initializer_list<Bytes> entryBodies,
                          const std::string& holder = "TPictureCollectionComponent",
                          const std::string& rootName = "") {
    Stream s = Header();
    s.raw("TPF0").str(holder).str(rootName).str("List").u8(14);
    for (const auto& body : entryBodies) {
        s.u8(1).raw(body).u8(0);
    }
    s.u8(0).u8(0).u8(0);
    return s.bytes();
}

// A "Picture.Data" block: the class name, then its data.
inline Bytes PictureBlock(const std::string& kind, const Bytes& data) {
    return Stream().str(kind).raw(data).bytes();
}

inline Bytes EntryWithPicture(const Bytes& block) {
    return Stream().binProp("Picture.Data", block).bytes();
}

struct DibLayout {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    Bytes masks;   // written after the header when non-empty
    Bytes palette; // 4 bytes per colour
    Bytes pixels;
};

// A 40-byte-header DIB without file header.
inline Bytes Dib(const DibLayout& d) {
    Stream s;
    s.u32(40).u32(std::uint32_t(d.width)).u32(std::uint32_t(d.height)).u16(1).u16(d.bitCount);
    s.u32(d.compression).u32(d.imageSize).u32(0).u32(0).u32(d.colorsUsed).u32(0);
    s.raw(d.masks).raw(d.palette).raw(d.pixels);
    return s.bytes();
}

inline Bytes TdibFile(const DibLayout& d) {
    return ListFileWith({EntryWithPicture(PictureBlock("TDIB", Dib(d)))});
}

// Reads an image list from bytes; the message or "" on success.
inline std::string ReadImages(const Bytes& b, ImageList& list) {
    auto e = ReadImageList(b, list);
    return e ? *e : std::string();
}

inline std::string ReadSounds(const Bytes& b, SoundList& list) {
    auto e = ReadSoundList(b, list);
    return e ? *e : std::string();
}

} // namespace sixdice::media::test
