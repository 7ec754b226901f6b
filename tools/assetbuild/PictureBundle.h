// The builder's intermediate file: the numbered images one source yields, before packing.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sixdice::art {

struct BundledImage {
    int number = -1;
    std::string name;
    bool transparent = false;
    unsigned transparentColor = 0; // 0x00RRGGBB
    media::Picture picture;
};

void SaveBundle(const std::filesystem::path& file, const std::vector<BundledImage>& images);
std::vector<BundledImage> LoadBundle(const std::filesystem::path& file);

// Gathers the images of several bundles into one list numbered 0..count-1; every number must
// occur exactly once. Key colours are stored the way the list file wants them ($00BBGGRR).
media::ImageList BuildImageList(const std::vector<BundledImage>& images, int count);

} // namespace sixdice::art
