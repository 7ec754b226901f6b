// Loading list files from disk (regular files only, shared for reading) and saving them atomically.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sixdice::media {

namespace {

// Other readers may share the file; a writer holding an exclusive lock keeps it closed to us.
template <typename List, typename Read>
std::optional<LoadFailure> Load(const std::string& fileName, List& list, Read read) {
    FileBytes file;
    if (auto refusal = ReadRegularFile(fileName, file_limits::kListFile, file, true)) {
        return LoadFailure{"Cannot open file " + fileName, refusal};
    }
    if (auto error = read(file.bytes(), list)) {
        return LoadFailure{*error, std::nullopt};
    }
    return std::nullopt;
}

} // namespace

std::optional<LoadFailure> LoadImageList(const std::string& fileName, ImageList& list) {
    return Load(fileName, list, [](auto b, ImageList& l) { return ReadImageList(b, l); });
}

std::optional<LoadFailure> LoadSoundList(const std::string& fileName, SoundList& list) {
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
