// Loading list files from disk (opened read-only, shared for reading) and saving them atomically.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sixdice::media {

namespace {

constexpr std::size_t kReadPiece = 64 * 1024;
constexpr std::size_t kHugePage = 2 * 1024 * 1024;
// Below this a plain vector is as quick as anything else.
constexpr std::size_t kLargeFile = 512 * 1024;

// A list file's bytes, copied into memory while it is read: a mapping of the file itself would
// fault if another program cut the file short meanwhile. Large files go into a buffer of our own
// that asks for huge pages, because first use of fresh memory one small page at a time can cost
// more than the whole parse. Other readers may share the file; a writer holding an exclusive lock
// keeps it closed to us.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes() {
        if (region_ != nullptr) {
            ::munmap(region_, regionSize_);
        }
    }

    bool open(const std::string& fileName) {
        const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        struct stat st {};
        const bool usable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && !heldByWriter(fd);
        if (usable) {
            std::uint8_t* buffer = allocate(std::size_t(st.st_size));
            size_ = readAll(fd, buffer, std::size_t(st.st_size));
        }
        ::close(fd);
        return usable;
    }

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

private:
    // Only a writer's exclusive lock keeps us out; where the file system has no locks we read on.
    static bool heldByWriter(int fd) {
        return ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    }

    std::uint8_t* allocate(std::size_t size) {
        if (size >= kLargeFile) {
            const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
            regionSize_ = rounded + kHugePage; // room to start on a huge page boundary
            void* region = ::mmap(nullptr, regionSize_, PROT_READ | PROT_WRITE,
                                  MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (region != MAP_FAILED) {
                region_ = region;
                auto aligned = (std::uintptr_t(region) + kHugePage - 1) & ~(kHugePage - 1);
                // Only a hint: without huge pages the buffer works the same, just slower.
                (void)::madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE);
                data_ = reinterpret_cast<std::uint8_t*>(aligned);
                return data_;
            }
            regionSize_ = 0;
        }
        copy_.resize(size);
        data_ = copy_.data();
        return data_;
    }

    // Read in moderate pieces, which some file systems serve much faster than one huge read. A
    // file that shrank meanwhile simply ends early, which the reader then reports.
    static std::size_t readAll(int fd, std::uint8_t* buffer, std::size_t size) {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::read(fd, buffer + done, std::min(kReadPiece, size - done));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            done += std::size_t(got);
        }
        return done;
    }

    void* region_ = nullptr;
    std::size_t regionSize_ = 0;
    std::vector<std::uint8_t> copy_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

template <typename List, typename Read>
LoadError Load(const std::string& fileName, List& list, Read read) {
    FileBytes file;
    if (!file.open(fileName)) {
        return "Cannot open file " + fileName;
    }
    return read(file.bytes(), list);
}

} // namespace

LoadError LoadImageList(const std::string& fileName, ImageList& list) {
    return Load(fileName, list, [](auto b, ImageList& l) { return ReadImageList(b, l); });
}

LoadError LoadSoundList(const std::string& fileName, SoundList& list) {
    return Load(fileName, list, [](auto b, SoundList& l) { return ReadSoundList(b, l); });
}

// Writes beside the target and renames over it, so a reader never sees a half-written or
// truncated file and a failed write leaves the old file in place.
std::optional<std::string> SaveBytes(const std::string& fileName,
                                     std::span<const std::uint8_t> bytes) {
    const std::string temp = fileName + ".part" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return "Cannot create file " + fileName + ": " + std::strerror(errno);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            const std::string reason = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return "Cannot write file " + fileName + ": " + reason;
        }
        done += std::size_t(put);
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), fileName.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temp.c_str());
        return "Cannot write file " + fileName + ": " + reason;
    }
    return std::nullopt;
}

} // namespace sixdice::media
