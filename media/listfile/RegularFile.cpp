// Opening files without blocking, refusing all but regular files, reading them up to a limit.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/RegularFile.h"

#include <algorithm>
#include <cerrno>
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

FileRefusal TooLarge(std::uint64_t size, std::uint64_t limit) {
    FileRefusal r = Refusal(FileProblem::TooLarge);
    r.size = size;
    r.limit = limit;
    return r;
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
        return TooLarge(std::uint64_t(st.st_size), limit);
    }
    return std::nullopt;
}

bool BadName(const std::string& path) {
    return path.empty() || path.find('\0') != std::string::npos;
}

// Looks first, opens without blocking, then looks again at what was opened.
std::optional<FileRefusal> OpenChecked(const std::string& path, std::uint64_t limit,
                                       UniqueFd& out) {
    if (auto refusal = InspectRegularFile(path, limit)) {
        return refusal;
    }
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        return FromErrno(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return FromErrno(errno);
    }
    if (auto refusal = Classify(st, limit)) {
        return refusal;
    }
    out = std::move(fd);
    return std::nullopt;
}

// Reads until `size` bytes are in or the file ends; returns how many came.
std::optional<std::size_t> ReadInto(int fd, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        // Moderate pieces, which some file systems serve much faster than one huge read.
        const ssize_t got = ::read(fd, buffer + done, std::min(kReadPiece, size - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += std::size_t(got);
    }
    return done;
}

} // namespace

std::string SizeInWords(std::uint64_t bytes) {
    if (bytes < 1024) {
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024.0;
    int unit = 0;
    while (value >= 1024.0 && unit < 3) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    const double tenths = double(std::uint64_t(value * 10.0 + 0.5)) / 10.0;
    if (tenths == double(std::uint64_t(tenths))) {
        std::snprintf(text, sizeof text, "%.0f %s", tenths, units[unit]);
    } else {
        std::snprintf(text, sizeof text, "%.1f %s", tenths, units[unit]);
    }
    return text;
}

std::string FileRefusal::Reason() const {
    switch (problem) {
    case FileProblem::Missing:
        return "no such file";
    case FileProblem::Folder:
        return "it is a folder, not a file";
    case FileProblem::NamedPipe:
        return "it is a named pipe, not a regular file";
    case FileProblem::Device:
        return "it is a device, not a regular file";
    case FileProblem::Socket:
        return "it is a socket, not a regular file";
    case FileProblem::NoPermission:
        return "permission denied";
    case FileProblem::TooLarge:
        return "it holds " + SizeInWords(size) + ", more than the " + SizeInWords(limit) +
               " such a file may have";
    case FileProblem::HeldByWriter:
        return "another program holds it open for writing";
    case FileProblem::BadName:
        return "the name is empty or holds a NUL byte";
    case FileProblem::Unreadable:
        break;
    }
    return std::string("it cannot be read: ") + std::strerror(error);
}

FileBytes::~FileBytes() {
    Release();
}

void FileBytes::Release() {
    if (region_ != nullptr) {
        ::munmap(region_, regionSize_);
        region_ = nullptr;
        regionSize_ = 0;
    }
}

std::uint8_t* FileBytes::Allocate(std::size_t size) {
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

std::optional<FileRefusal> ReadRegularFile(const std::string& path, std::uint64_t limit,
                                           FileBytes& out, bool refuseWhileWritten) {
    UniqueFd fd;
    if (auto refusal = OpenChecked(path, limit, fd)) {
        return refusal;
    }
    // Only a writer's exclusive lock keeps us out; where the file system has no locks we read on.
    if (refuseWhileWritten && ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return Refusal(FileProblem::HeldByWriter);
    }
    struct stat st {};
    (void)::fstat(fd.get(), &st);
    out.Release();
    out.copy_.clear();
    const std::size_t expected =
        std::size_t(std::min<std::uint64_t>(std::uint64_t(st.st_size), limit));
    std::uint8_t* buffer = out.Allocate(expected);
    const auto got = ReadInto(fd.get(), buffer, expected);
    if (!got) {
        return FromErrno(errno);
    }
    out.size_ = *got;
    if (*got < expected) {
        return std::nullopt; // it shrank meanwhile; the reader reports a short file
    }
    // A file may hold more than its size said (it grew meanwhile, or the system does not tell
    // sizes): read on, but never past the limit.
    std::vector<std::uint8_t> more(kReadPiece);
    std::uint64_t total = *got;
    while (true) {
        const std::size_t room =
            std::size_t(std::min<std::uint64_t>(kReadPiece, limit + 1 - total));
        const auto extra = ReadInto(fd.get(), more.data(), room);
        if (!extra) {
            return FromErrno(errno);
        }
        if (*extra == 0) {
            return std::nullopt;
        }
        if (out.region_ != nullptr) {
            std::vector<std::uint8_t> kept(out.data_, out.data_ + out.size_);
            out.Release();
            out.copy_ = std::move(kept);
        }
        out.copy_.insert(out.copy_.end(), more.begin(), more.begin() + std::ptrdiff_t(*extra));
        out.data_ = out.copy_.data();
        out.size_ = out.copy_.size();
        total += *extra;
        if (total > limit) {
            out.copy_.clear();
            out.data_ = nullptr;
            out.size_ = 0;
            return TooLarge(total, limit);
        }
    }
}

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

std::optional<FileRefusal> OpenRegularFile(const std::string& path, std::uint64_t limit,
                                           UniqueFd& out) {
    UniqueFd fd;
    if (auto refusal = OpenChecked(path, limit, fd)) {
        return refusal;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return FromErrno(errno);
    }
    out = std::move(fd);
    return std::nullopt;
}

} // namespace sixdice::media
