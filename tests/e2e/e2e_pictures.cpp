// Picture helper of the end-to-end tests: takes an image out of a graphics file, compares PNGs,
// and checks what a screenshot of the game shows.
//   e2e_pictures image GRAPHICS_FILE INDEX OUT.png
//   e2e_pictures compare EXPECTED.png ACTUAL.png
//   e2e_pictures region SHOT.png GRAPHICS_FILE INDEX X Y W H
//       the rectangle of the screenshot equals the same rectangle of image INDEX drawn at (0, 0)
//   e2e_pictures dice SHOT.png GRAPHICS_FILE FACE FACE FACE FACE FACE FACE
//       the dice row shows these faces (0: the board, a die not thrown)
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/listfile/ListFile.h"
#include "media/testing/PngFile.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

int ExtractImage(const std::string& graphicsFile, int index, const std::string& out) {
    sixdice::media::ImageList list;
    if (auto failure = sixdice::media::LoadImageList(graphicsFile, list)) {
        std::fprintf(stderr, "%s\n", failure->message.c_str());
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

std::optional<sixdice::media::ImageList> Images(const std::string& graphicsFile) {
    sixdice::media::ImageList list;
    if (auto failure = sixdice::media::LoadImageList(graphicsFile, list)) {
        std::fprintf(stderr, "%s\n", failure->message.c_str());
        return std::nullopt;
    }
    return list;
}

// How many pixels of `shot` differ from `picture` placed with its top-left at (left, top), within
// the rectangle (x, y, w, h) of the screenshot; -1 when the rectangle leaves either picture.
long Differing(const sixdice::media::Picture& shot, const sixdice::media::Picture& picture,
               int left, int top, int x, int y, int w, int h) {
    if (x < 0 || y < 0 || x + w > shot.width || y + h > shot.height || x - left < 0 ||
        y - top < 0 || x - left + w > picture.width || y - top + h > picture.height) {
        return -1;
    }
    long differing = 0;
    for (int yy = y; yy < y + h; ++yy) {
        for (int xx = x; xx < x + w; ++xx) {
            if ((shot.at(xx, yy) & 0xFFFFFF) != (picture.at(xx - left, yy - top) & 0xFFFFFF)) {
                ++differing;
            }
        }
    }
    return differing;
}

int Region(char** argv) {
    const auto shot = sixdice::media::testing::LoadPng(argv[2]);
    const auto images = Images(argv[3]);
    const int index = std::atoi(argv[4]);
    if (!shot || !images || index < 0 || index >= int(images->entries.size())) {
        std::fprintf(stderr, "cannot read the screenshot or the image\n");
        return 2;
    }
    const int x = std::atoi(argv[5]), y = std::atoi(argv[6]);
    const int w = std::atoi(argv[7]), h = std::atoi(argv[8]);
    const long differing =
        Differing(*shot, images->entries[std::size_t(index)].picture, 0, 0, x, y, w, h);
    if (differing != 0) {
        std::fprintf(stderr,
                     "the screenshot's %dx%d at (%d, %d) is not image %d: %ld pixels differ\n", w,
                     h, x, y, index, differing);
        return 1;
    }
    return 0;
}

int Dice(char** argv) {
    const auto shot = sixdice::media::testing::LoadPng(argv[2]);
    const auto images = Images(argv[3]);
    if (!shot || !images || images->entries.size() < 16) {
        std::fprintf(stderr, "cannot read the screenshot or the graphics file\n");
        return 2;
    }
    const sixdice::media::Picture& board = images->entries[15].picture;
    int wrong = 0;
    for (int die = 1; die <= 6; ++die) {
        const int face = std::atoi(argv[3 + die]);
        const int x = 50 * (die - 1);
        const sixdice::media::Picture& expected =
            face == 0 ? board : images->entries[std::size_t(8 + face)].picture;
        const int left = face == 0 ? 0 : x;
        const int w = face == 0 ? 50 : expected.width;
        const int h = face == 0 ? 50 : expected.height;
        if (Differing(*shot, expected, left, 0, x, 0, w, h) != 0) {
            std::fprintf(stderr, "die %d does not show %d\n", die, face);
            ++wrong;
        }
    }
    return wrong == 0 ? 0 : 1;
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
    if (command == "region" && argc == 9) {
        return Region(argv);
    }
    if (command == "dice" && argc == 10) {
        return Dice(argv);
    }
    std::fprintf(stderr, "usage: e2e_pictures image GRAPHICS_FILE INDEX OUT.png\n"
                         "       e2e_pictures compare EXPECTED.png ACTUAL.png\n"
                         "       e2e_pictures region SHOT.png GRAPHICS_FILE INDEX X Y W H\n"
                         "       e2e_pictures dice SHOT.png GRAPHICS_FILE FACE x 6\n");
    return 2;
}
