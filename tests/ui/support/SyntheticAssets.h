// Synthetic graphics and sound lists for screen tests, so tests never depend on the artwork.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sixdice::testsupport {

// An image list with every catalogue image: flat colours and simple marks, each entry a size that
// fits its role, the hold markers and plates with a transparent colour. `tint` shifts the colours
// so the two languages' lists can be told apart.
media::ImageList SyntheticImageList(int imageCount = 28, std::uint32_t tint = 0);

// A sound list of `soundCount` short 16-bit mono PCM recordings.
media::SoundList SyntheticSoundList(int soundCount = 14);

// A temporary working folder that the process changes into for the test's lifetime and removes
// afterwards; the previous working folder is restored.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes raw bytes (the settings file is written exactly as given, code page 1250 bytes).
    void WriteFile(const std::string& name, const std::string& bytes) const;
    void WriteImageList(const std::string& name, const media::ImageList& list) const;
    void WriteSoundList(const std::string& name, const media::SoundList& list) const;
    // Both graphics files, the sound file and the settings file: a complete working folder.
    void WriteCompleteSet(const std::string& settings) const;
    // The complete set with gaps for start-up failures: no settings file when `settings` is null,
    // and without the file `removed` when it is not null.
    void WriteSetWithout(const char* settings, const char* removed) const;
    // Every file in the folder, relative names, sorted (to check nothing was written).
    std::vector<std::string> Listing() const;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// The tint of the English synthetic graphics file written by WriteCompleteSet.
inline constexpr std::uint32_t EnglishTint = 0x000030;

} // namespace sixdice::testsupport
