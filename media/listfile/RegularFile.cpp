// Reading a regular file whole, up to a limit, through the platform's checked open.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/RegularFile.h"

#include <algorithm>

namespace sixdice::media {

namespace {

constexpr std::size_t kReadPiece = 64 * 1024;
// Below this a plain vector is as quick as anything else.
constexpr std::size_t kLargeFile = 512 * 1024;

FileRefusal Failed(int error) {
    FileRefusal r;
    r.problem = FileProblem::Unreadable;
    r.error = error;
    return r;
}

// Reads until `size` bytes are in or the file ends; returns how many came.
std::optional<std::size_t> ReadInto(ReadHandle& file, std::uint8_t* buffer, std::size_t size,
                                    int& error) {
    std::size_t done = 0;
    while (done < size) {
        // Moderate pieces, which some file systems serve much faster than one huge read.
        const auto got = file.Read(buffer + done, std::min(kReadPiece, size - done), error);
        if (!got) {
            return std::nullopt;
        }
        if (*got == 0) {
            break;
        }
        done += *got;
    }
    return done;
}

} // namespace

FileBytes::~FileBytes() {
    Release();
}

void FileBytes::Release() {
    platform::FreeLargeBlock(block_);
    block_ = {};
}

std::uint8_t* FileBytes::Allocate(std::size_t size) {
    if (size >= kLargeFile) {
        if (auto block = platform::AllocateLargeBlock(size)) {
            block_ = *block;
            data_ = block_.data;
            return data_;
        }
    }
    copy_.resize(size);
    data_ = copy_.data();
    return data_;
}

std::optional<FileRefusal> ReadRegularFile(const std::string& path, std::uint64_t limit,
                                           FileBytes& out, bool refuseWhileWritten) {
    ReadHandle file;
    if (auto refusal = OpenRegularFile(path, limit, file)) {
        return refusal;
    }
    // Only a writer's exclusive lock keeps us out; where the file system has no locks we read on.
    if (refuseWhileWritten && file.HeldByWriter()) {
        FileRefusal r;
        r.problem = FileProblem::HeldByWriter;
        return r;
    }
    out.Release();
    out.copy_.clear();
    const std::size_t expected = std::size_t(std::min<std::uint64_t>(file.Size(), limit));
    std::uint8_t* buffer = out.Allocate(expected);
    int error = 0;
    const auto got = ReadInto(file, buffer, expected, error);
    if (!got) {
        return Failed(error);
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
        const auto extra = ReadInto(file, more.data(), room, error);
        if (!extra) {
            return Failed(error);
        }
        if (*extra == 0) {
            return std::nullopt;
        }
        if (out.block_.region != nullptr) {
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
            FileRefusal r;
            r.problem = FileProblem::TooLarge;
            r.size = total;
            r.limit = limit;
            return r;
        }
    }
}

} // namespace sixdice::media
