// Reading a file the game or a tool was named: only a regular file, never blocking, up to a limit.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RegularFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sixdice::media {

// The most each kind of file may hold. The game's own files are far smaller (settings 23 bytes,
// graphics 2.4 MB, sounds 0.7 MB, music 0.8 MB, email.bmp 125 kB); anything larger is refused
// before it is read. A list file holds what the decoding budget lets it decode to (32 MB of
// pixels, 24 MB of samples) with room to spare; music is streamed, not held.
namespace file_limits {
inline constexpr std::uint64_t kSettings = 4 * 1024;
inline constexpr std::uint64_t kListFile = 40 * 1024 * 1024;
inline constexpr std::uint64_t kBitmapFile = 4 * 1024 * 1024;
inline constexpr std::uint64_t kMusicFile = 64 * 1024 * 1024;
// A text listing that `zrk pack` reads back.
inline constexpr std::uint64_t kListingText = 4 * 1024 * 1024;
} // namespace file_limits

// Why a file was not read, and how sizes and reasons are worded: the platform's own terms.
using platform::FileProblem;
using platform::FileRefusal;
using platform::InspectRegularFile;
using platform::OpenRegularFile;
using platform::ReadHandle;
using platform::SizeInWords;

// The bytes of a file read whole. Large files go into a buffer of our own that asks for huge
// pages, because first use of fresh memory one small page at a time can cost more than the whole
// parse; small ones into a plain vector.
class FileBytes {
public:
    FileBytes() = default;
    ~FileBytes();
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

private:
    friend std::optional<FileRefusal> ReadRegularFile(const std::string&, std::uint64_t, FileBytes&,
                                                      bool);
    std::uint8_t* Allocate(std::size_t size);
    void Release();

    platform::LargeBlock block_;
    std::vector<std::uint8_t> copy_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Reads a whole regular file of at most `limit` bytes. The file is opened without blocking (a
// named pipe or a device never makes us wait) and checked after opening, so nothing swapped in
// between the look and the open is read. With `refuseWhileWritten`, a file that another program
// holds under an exclusive lock is refused, the way the list files are shared with readers only.
// (InspectRegularFile looks without opening; OpenRegularFile opens for a reader that streams the
// file itself, such as the music decoder.)
std::optional<FileRefusal> ReadRegularFile(const std::string& path, std::uint64_t limit,
                                           FileBytes& out, bool refuseWhileWritten = false);

} // namespace sixdice::media
