// Loading list files from disk: opened read-only with a shared lock, read whole, then parsed.
#include "media/listfile/ListFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sixdice::media {

namespace {

// Reading in moderate pieces is markedly faster than one huge read on some file systems.
constexpr std::size_t kReadPiece = 64 * 1024;

// The whole file, or std::nullopt when it cannot be opened as a readable regular file. Other
// readers may share it; a writer holding an exclusive lock keeps it closed to us.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& fileName,
                                                       std::string& failure) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        failure = "Cannot open file " + fileName;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd);
        failure = "Cannot open file " + fileName;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + done, std::min(kReadPiece, bytes.size() - done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += std::size_t(got);
    }
    ::close(fd);
    // A file that shrank while being read simply ends early, which the reader reports.
    bytes.resize(done);
    return bytes;
}

template <typename List, typename Read>
LoadError Load(const std::string& fileName, List& list, Read read) {
    std::string failure;
    const auto bytes = ReadWholeFile(fileName, failure);
    if (!bytes) {
        return failure;
    }
    return read(*bytes, list);
}

} // namespace

LoadError LoadImageList(const std::string& fileName, ImageList& list) {
    return Load(fileName, list, [](const auto& b, ImageList& l) { return ReadImageList(b, l); });
}

LoadError LoadSoundList(const std::string& fileName, SoundList& list) {
    return Load(fileName, list, [](const auto& b, SoundList& l) { return ReadSoundList(b, l); });
}

} // namespace sixdice::media
