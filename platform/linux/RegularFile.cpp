// Regular files on Linux: stat and open without blocking, flock for writers, rename to replace.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sixdice::platform {
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

FileRefusal Refusal(FileProblem problem, int error = 0) {
    FileRefusal r;
    r.problem = problem;
    r.error = error;
    return r;
}

FileRefusal FromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Refusal(FileProblem::Missing, error);
    case EACCES:
    case EPERM:
        return Refusal(FileProblem::NoPermission, error);
    case EISDIR:
        return Refusal(FileProblem::Folder, error);
    case ENXIO:
        return Refusal(FileProblem::Socket, error);
    default:
        return Refusal(FileProblem::Unreadable, error);
    }
}

// What the file's type and size say about it; nothing when it is a regular file within the limit.
std::optional<FileRefusal> Classify(const struct stat& st, std::uint64_t limit) {
    if (S_ISDIR(st.st_mode)) {
        return Refusal(FileProblem::Folder);
    }
    if (S_ISFIFO(st.st_mode)) {
        return Refusal(FileProblem::NamedPipe);
    }
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        return Refusal(FileProblem::Device);
    }
    if (S_ISSOCK(st.st_mode)) {
        return Refusal(FileProblem::Socket);
    }
    if (!S_ISREG(st.st_mode)) {
        return Refusal(FileProblem::Unreadable, EINVAL);
    }
    if (std::uint64_t(st.st_size) > limit) {
        FileRefusal r = Refusal(FileProblem::TooLarge);
        r.size = std::uint64_t(st.st_size);
        r.limit = limit;
        return r;
    }
    return std::nullopt;
}

bool BadName(const std::string& path) {
    return path.empty() || path.find('\0') != std::string::npos;
}

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

std::string SystemErrorText(int error) {
    return std::strerror(error);
}

void ReadHandle::Close() {
    if (handle_ != kClosed) {
        ::close(Fd(handle_));
        handle_ = kClosed;
    }
}

std::optional<std::size_t> ReadHandle::Read(std::uint8_t* buffer, std::size_t size, int& error) {
    while (true) {
        const ssize_t got = ::read(Fd(handle_), buffer, size);
        if (got >= 0) {
            return std::size_t(got);
        }
        if (errno != EINTR) {
            error = errno;
            return std::nullopt;
        }
    }
}

bool ReadHandle::HeldByWriter() {
    return ::flock(Fd(handle_), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

std::FILE* ReadHandle::ReleaseToStream(int& error) {
    const int fd = Fd(handle_);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = errno;
        Close();
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, "rb");
    if (stream == nullptr) {
        error = errno;
        Close();
        return nullptr;
    }
    handle_ = kClosed; // the stream owns it now
    return stream;
}

std::optional<FileRefusal> InspectRegularFile(const std::string& path, std::uint64_t limit) {
    if (BadName(path)) {
        return Refusal(FileProblem::BadName);
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return FromErrno(errno);
    }
    return Classify(st, limit);
}

// Looks first, opens without blocking, then looks again at what was opened.
std::optional<FileRefusal> OpenRegularFile(const std::string& path, std::uint64_t limit,
                                           ReadHandle& out) {
    if (auto refusal = InspectRegularFile(path, limit)) {
        return refusal;
    }
    ReadHandle file;
    file.handle_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.handle_ < 0) {
        file.handle_ = ReadHandle::kClosed;
        return FromErrno(errno);
    }
    struct stat st {};
    if (::fstat(Fd(file.handle_), &st) != 0) {
        return FromErrno(errno);
    }
    if (auto refusal = Classify(st, limit)) {
        return refusal;
    }
    file.size_ = std::uint64_t(st.st_size);
    out = std::move(file);
    return std::nullopt;
}

std::optional<LargeBlock> AllocateLargeBlock(std::size_t size) {
    LargeBlock block;
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    block.regionSize = rounded + kHugePage; // room to start on a huge page boundary
    void* region = ::mmap(nullptr, block.regionSize, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) {
        return std::nullopt;
    }
    block.region = region;
    const auto aligned = (std::uintptr_t(region) + kHugePage - 1) & ~(kHugePage - 1);
    // Only a hint: without huge pages the buffer works the same, just slower.
    (void)::madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE);
    block.data = reinterpret_cast<std::uint8_t*>(aligned);
    return block;
}

void FreeLargeBlock(const LargeBlock& block) {
    if (block.region != nullptr) {
        ::munmap(block.region, block.regionSize);
    }
}

std::optional<ReplaceFailure> ReplaceFileWhole(const std::string& path,
                                               std::span<const std::uint8_t> bytes) {
    const std::string temp = path + ".part" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return ReplaceFailure{true, errno};
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            const int error = put < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(temp.c_str());
            return ReplaceFailure{false, error};
        }
        done += std::size_t(put);
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return ReplaceFailure{false, error};
    }
    return std::nullopt;
}

} // namespace sixdice::platform
