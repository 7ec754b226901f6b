// Finding the font file of a face among the fonts the system has or the game ships.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace sixdice::platform {

// The font file (UTF-8 path) for a face: "Arial Black" only when the system has that very family,
// else its stand-ins Lato Black, then DejaVu Sans Bold; "MS Sans Serif" and unknown faces fall
// back to DejaVu Sans, "MS Sans Serif Bold" to DejaVu Sans Bold. Where the game ships its fonts
// beside the program (Windows), `shippedFiles` are those stand-ins' file names in order of
// preference. Empty when nothing was found.
std::string InstalledFontFile(const std::string& face,
                              const std::vector<std::string>& shippedFiles);

} // namespace sixdice::platform
