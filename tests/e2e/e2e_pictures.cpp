// Picture helper of the end-to-end tests: takes an image out of a graphics file, compares PNGs.
//   e2e_pictures image GRAPHICS_FILE INDEX OUT.png
//   e2e_pictures compare EXPECTED.png ACTUAL.png
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "media/testing/PngFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int ExtractImage(const std::string& graphicsFile, int index, const std::string& out) {
    sixdice::media::ImageList list;
    if (auto failure = sixdice::media::LoadImageList(graphicsFile, list)) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        return 2;
    }
    if (index < 0 || index >= int(list.entries.size()) || list.entries[index].picture.empty()) {
        std::fprintf(stderr, "%s has no picture %d\n", graphicsFile.c_str(), index);
        return 2;
    }
    if (auto failure = sixdice::media::testing::SavePng(list.entries[index].picture, out)) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        return 2;
    }
    return 0;
}

int Compare(const std::string& expectedFile, const std::string& actualFile) {
    auto expected = sixdice::media::testing::LoadPng(expectedFile);
    auto actual = sixdice::media::testing::LoadPng(actualFile);
    if (!expected || !actual) {
        std::fprintf(stderr, "cannot read %s\n", (!expected ? expectedFile : actualFile).c_str());
        return 2;
    }
    const auto difference = sixdice::media::testing::ComparePictures(*expected, *actual);
    if (!difference.Same()) {
        std::fprintf(stderr, "%s (expected %dx%d, actual %dx%d)\n", difference.Describe().c_str(),
                     expected->width, expected->height, actual->width, actual->height);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "image" && argc == 5) {
        return ExtractImage(argv[2], std::atoi(argv[3]), argv[4]);
    }
    if (command == "compare" && argc == 4) {
        return Compare(argv[2], argv[3]);
    }
    std::fprintf(stderr, "usage: e2e_pictures image GRAPHICS_FILE INDEX OUT.png\n"
                         "       e2e_pictures compare EXPECTED.png ACTUAL.png\n");
    return 2;
}
