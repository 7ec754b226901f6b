// PNG reading and writing with libpng's simplified interface.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/testing/PngFile.h"

#include <cstdio>
#include <png.h>
#include <vector>

namespace sixdice::media::testing {

std::optional<std::string> SavePng(const Picture& picture, const std::string& fileName) {
    if (picture.empty())
        return "cannot save an empty picture as " + fileName;
    std::vector<std::uint8_t> rgb(std::size_t(picture.width) * picture.height * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        rgb[i * 3] = static_cast<std::uint8_t>(picture.pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<std::uint8_t>(picture.pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<std::uint8_t>(picture.pixels[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, fileName.c_str(), 0, rgb.data(), 0, nullptr)) {
        std::string message = "cannot write " + fileName + ": " + image.message;
        png_image_free(&image);
        return message;
    }
    return std::nullopt;
}

std::optional<Picture> LoadPng(const std::string& fileName) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, fileName.c_str()))
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Picture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(std::size_t(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = (std::uint32_t(rgb[i * 3]) << 16) |
                            (std::uint32_t(rgb[i * 3 + 1]) << 8) | rgb[i * 3 + 2];
    }
    return picture;
}

PictureDifference ComparePictures(const Picture& expected, const Picture& actual) {
    PictureDifference d;
    if (expected.width != actual.width || expected.height != actual.height) {
        d.sameSize = false;
        return d;
    }
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (expected.at(x, y) == actual.at(x, y))
                continue;
            if (d.differing++ == 0) {
                d.firstX = x;
                d.firstY = y;
                d.expected = expected.at(x, y);
                d.actual = actual.at(x, y);
            }
        }
    }
    return d;
}

std::string PictureDifference::Describe() const {
    if (!sameSize)
        return "the pictures differ in size";
    if (differing == 0)
        return "the pictures are equal";
    char text[160];
    std::snprintf(text, sizeof text,
                  "%ld pixels differ; the first at (%d, %d): expected #%06X, got #%06X", differing,
                  firstX, firstY, static_cast<unsigned>(expected), static_cast<unsigned>(actual));
    return text;
}

} // namespace sixdice::media::testing
