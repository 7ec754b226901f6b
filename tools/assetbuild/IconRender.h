// The program's icon: an artwork source rendered at any square size with its transparency kept.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/assetbuild/SvgSource.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sixdice::art {

// A square picture with straight (not premultiplied) alpha, one 0xAARRGGBB value per pixel.
struct IconPicture {
    int size = 0;
    std::vector<std::uint32_t> pixels;
};

// Renders the whole document scaled to `size` x `size`; what the source leaves uncovered stays
// transparent.
IconPicture RenderIcon(const AssembledSource& source, int size);

// Writes the icon as a PNG with an alpha channel.
void SaveIconPng(const IconPicture& icon, const std::filesystem::path& file);

// The same PNG file's bytes.
std::vector<std::uint8_t> IconPngBytes(const IconPicture& icon);

// C++ source text declaring `kWindowIconSize` and `kWindowIconPixels` (0xAARRGGBB, row by row),
// for compiling the icon into the program.
std::string IconPixelsSource(const IconPicture& icon);

} // namespace sixdice::art
