// The contact sheet: every screen of both languages composed from the graphics files, as PNGs.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/listfile/ListData.h"
#include "tools/assetbuild/HotAreas.h"

#include <filesystem>
#include <string>

namespace sixdice::art {

// Draws entry `image` of `list` at (x, y), clipped, leaving out its key colour when it has one.
void DrawEntry(media::Picture& target, const media::ImageList& list, int image, int x, int y);

// Outlines an inclusive rectangle one pixel wide, clipped to the picture.
void Outline(media::Picture& target, const HotRect& rect, std::uint32_t colour);

// The plain screens a player sees (menu, setup, game, throw, end of game, highscore, farewell)
// and, for menu, setup, game and highscore, a sheet with every highlight drawn at its place,
// every click rectangle outlined in red and every pixel the hover adds in cyan.
// Files are named LANG-SCREEN.png and LANG-SCREEN-areas.png. Returns a process exit status.
int WriteContactSheets(const std::filesystem::path& outDir, const std::string& czechFile,
                       const std::string& englishFile);

void SavePng(const media::Picture& picture, const std::filesystem::path& file);

} // namespace sixdice::art
