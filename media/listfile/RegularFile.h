// Reading a file the game or a tool was named: only a regular file, never blocking, up to a limit.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

enum class FileProblem {
    Missing,      // nothing by that name (or a folder on the way is missing)
    Folder,       // a folder, not a file
    NamedPipe,    // a FIFO: reading it could wait for ever
    Device,       // a character or block device such as /dev/zero
    Socket,       // a socket
    NoPermission, // the file or a folder on the way may not be read
    TooLarge,     // larger than its kind may be
    HeldByWriter, // another program holds it locked for writing
    BadName,      // an empty name or one holding a NUL byte
    Unreadable,   // any other failure of the system; `error` says which
};

// Why a file was not read.
struct FileRefusal {
    FileProblem problem = FileProblem::Unreadable;
    int error = 0;           // errno where the system gave one
    std::uint64_t size = 0;  // TooLarge: the file's size (at least limit + 1)
    std::uint64_t limit = 0; // TooLarge: the most its kind may hold

    // In plain English for tools and logs, e.g. "it is a named pipe, not a regular file".
    std::string Reason() const;
};

// A size in words: "23 bytes", "4 KB", "64 MB" (1 KB = 1024 bytes), rounded to one decimal.
std::string SizeInWords(std::uint64_t bytes);

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

    void* region_ = nullptr;
    std::size_t regionSize_ = 0;
    std::vector<std::uint8_t> copy_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Looks at a file without opening it: a refusal when it is not a regular file or is larger than
// `limit`. Used to word a message after another reader failed on it.
std::optional<FileRefusal> InspectRegularFile(const std::string& path, std::uint64_t limit);

// Reads a whole regular file of at most `limit` bytes. The file is opened without blocking (a
// named pipe or a device never makes us wait) and checked after opening, so nothing swapped in
// between the look and the open is read. With `refuseWhileWritten`, a file that another program
// holds under an exclusive lock is refused, the way the list files are shared with readers only.
std::optional<FileRefusal> ReadRegularFile(const std::string& path, std::uint64_t limit,
                                           FileBytes& out, bool refuseWhileWritten = false);

// An open file descriptor, closed when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_ = -1;
};

// Opens a regular file of at most `limit` bytes for a reader that streams it itself (the music
// decoder), with the same checks as ReadRegularFile; the descriptor reads in blocking mode.
std::optional<FileRefusal> OpenRegularFile(const std::string& path, std::uint64_t limit,
                                           UniqueFd& out);

} // namespace sixdice::media
