// Loading list files from disk (opened read-only, shared for reading) and saving them atomically.
#include "media/listfile/ListFile.h"

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

// A list file's bytes while it is being read. The file is mapped rather than copied: the pages are
// already in the file cache, while a fresh copy of several megabytes costs more than the whole
// parse. Other readers may share the file; a writer holding an exclusive lock keeps it closed to
// us, and our own writer replaces files by renaming, never by truncating them under a reader.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes() {
        if (map_ != nullptr) {
            ::munmap(map_, size_);
        }
    }

    bool open(const std::string& fileName) {
        const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        struct stat st {};
        const bool usable =
            ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_SH | LOCK_NB) == 0;
        if (usable) {
            size_ = std::size_t(st.st_size);
            if (size_ > 0) {
                void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
                if (map != MAP_FAILED) {
                    map_ = map;
                } else {
                    readAll(fd);
                }
            }
        }
        ::close(fd);
        return usable;
    }

    std::span<const std::uint8_t> bytes() const {
        if (map_ != nullptr) {
            return {static_cast<const std::uint8_t*>(map_), size_};
        }
        return copy_;
    }

private:
    // Where a file cannot be mapped it is read in moderate pieces, which some file systems serve
    // much faster than one huge read.
    void readAll(int fd) {
        copy_.resize(size_);
        std::size_t done = 0;
        while (done < copy_.size()) {
            const ssize_t got =
                ::read(fd, copy_.data() + done, std::min(kReadPiece, copy_.size() - done));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            done += std::size_t(got);
        }
        // A file that shrank while being read simply ends early, which the reader reports.
        copy_.resize(done);
    }

    void* map_ = nullptr;
    std::size_t size_ = 0;
    std::vector<std::uint8_t> copy_;
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
