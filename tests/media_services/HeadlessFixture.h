// A headless instance of the SDL services with pinned fonts, and small builders of test lists.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Services.h"
#include "media/listfile/ListFile.h"
#include "tests/support/BuildPaths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace sixdice::media::testing {

class HeadlessServices : public ::testing::Test {
protected:
    void SetUp() override {
        // The folder the build fills with Lato-Black.ttf and the DejaVu files.
        setenv("SIXDICE_FONT_DIR", build_paths::fontDir, 1);
        ServiceOptions options;
        options.headless = true;
        options.caption = "Six Dice";
        ServicesResult result = CreateSdlServices(options);
        ASSERT_TRUE(result.services) << result.error;
        services_ = std::move(result.services);
    }
    void TearDown() override { services_.reset(); }

    Services& s() { return *services_; }

    std::unique_ptr<Services> services_;
};

// The list as the game gets it: written by the list-file writer and read back by the reader.
inline ImageList ThroughListFile(const ImageList& list) {
    const std::vector<std::uint8_t> bytes = WriteImageList(list, "TEST");
    ImageList read;
    const LoadError e = ReadImageList(bytes, read);
    EXPECT_FALSE(e) << *e;
    return read;
}

inline SoundList ThroughListFile(const SoundList& list) {
    const std::vector<std::uint8_t> bytes = WriteSoundList(list, "TEST");
    SoundList read;
    const LoadError e = ReadSoundList(bytes, read);
    EXPECT_FALSE(e) << *e;
    return read;
}

} // namespace sixdice::media::testing
