// Opening the files the game is named: only regular files, never blocking, checked after opening;
// reading them in pieces, and replacing a file whole so readers never see half of it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace sixdice::platform {

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
    int error = 0;           // the system's error number where it gave one (errno, GetLastError)
    std::uint64_t size = 0;  // TooLarge: the file's size (at least limit + 1)
    std::uint64_t limit = 0; // TooLarge: the most its kind may hold

    // In plain English for tools and logs, e.g. "it is a named pipe, not a regular file".
    std::string Reason() const;
    // The system's own words for `error`, e.g. "Input/output error".
    std::string SystemText() const;
};

// A size in words: "23 bytes", "4 KB", "64 MB" (1 KB = 1024 bytes), rounded to one decimal.
std::string SizeInWords(std::uint64_t bytes);

// The system's own words for one of its error numbers (UTF-8).
std::string SystemErrorText(int error);

// A regular file open for reading, closed when it goes.
class ReadHandle {
public:
    ReadHandle() = default;
    ~ReadHandle();
    ReadHandle(ReadHandle&& other) noexcept : handle_(other.handle_), size_(other.size_) {
        other.handle_ = kClosed;
    }
    ReadHandle& operator=(ReadHandle&& other) noexcept;
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;

    bool IsOpen() const { return handle_ != kClosed; }
    // The size the file had when it was opened.
    std::uint64_t Size() const { return size_; }

    // Reads up to `size` bytes; how many came (0 at the end of the file), or nothing on a failure,
    // whose error number goes to `error`.
    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size, int& error);

    // True when another program holds the file under an exclusive lock, as a writer would. Where
    // the file system has no locks the answer is false.
    bool HeldByWriter();

    // Hands the file over to a stdio stream reading in blocking mode ("rb"); the handle is closed
    // either way. Nothing on failure, with the error number in `error`.
    std::FILE* ReleaseToStream(int& error);

private:
    friend std::optional<FileRefusal> OpenRegularFile(const std::string&, std::uint64_t,
                                                      ReadHandle&);
    void Close();

    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed; // the system's descriptor or handle
    std::uint64_t size_ = 0;
};

// Looks at a file without opening it: a refusal when it is not a regular file or is larger than
// `limit`. Names are UTF-8.
std::optional<FileRefusal> InspectRegularFile(const std::string& path, std::uint64_t limit);

// Opens a regular file of at most `limit` bytes. It is opened without blocking (a named pipe or a
// device never makes us wait) and checked after opening, so nothing swapped in between the look
// and the open is read.
std::optional<FileRefusal> OpenRegularFile(const std::string& path, std::uint64_t limit,
                                           ReadHandle& out);

// Memory for a large file's bytes that the system hands out quickly (on Linux in huge pages,
// because first use of fresh memory one small page at a time can cost more than a whole parse).
// Nothing when it has none to give; the caller then takes ordinary memory.
struct LargeBlock {
    void* region = nullptr;
    std::size_t regionSize = 0;
    std::uint8_t* data = nullptr; // inside the region, suitably aligned
};
std::optional<LargeBlock> AllocateLargeBlock(std::size_t size);
void FreeLargeBlock(const LargeBlock& block);

// Writes `bytes` beside `path` and puts the new file in the old one's place at once, so a reader
// never sees a half-written or truncated file and a failed write leaves the old file as it was.
struct ReplaceFailure {
    bool creating = false; // the new file could not even be created (else: not written or put)
    int error = 0;         // the system's error number
};
std::optional<ReplaceFailure> ReplaceFileWhole(const std::string& path,
                                               std::span<const std::uint8_t> bytes);

} // namespace sixdice::platform
