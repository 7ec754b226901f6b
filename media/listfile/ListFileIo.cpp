// Loading list files from disk (regular files only, shared for reading) and saving them atomically.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "platform/RegularFile.h"

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

// Writes beside the target and puts the new file in its place at once, so a reader never sees a
// half-written or truncated file and a failed write leaves the old file in place.
std::optional<std::string> SaveBytes(const std::string& fileName,
                                     std::span<const std::uint8_t> bytes) {
    if (auto failure = platform::ReplaceFileWhole(fileName, bytes)) {
        return std::string(failure->creating ? "Cannot create file " : "Cannot write file ") +
               fileName + ": " + platform::SystemErrorText(failure->error);
    }
    return std::nullopt;
}

} // namespace sixdice::media
