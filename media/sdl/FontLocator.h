// Finding the font file for a face name: pinned files for tests, otherwise the system's fonts.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace sixdice::media::sdl {

// The file names looked for in the folder SIXDICE_FONT_DIR names, in order of preference:
// "Arial Black" -> Lato-Black.ttf, DejaVuSans-Bold.ttf; "MS Sans Serif" -> DejaVuSans.ttf;
// "MS Sans Serif Bold" -> DejaVuSans-Bold.ttf; any other face -> "<face>.ttf", DejaVuSans.ttf.
std::vector<std::string> PinnedFontFiles(const std::string& face);

// The font file for a face: from SIXDICE_FONT_DIR when that is set (and nothing else), otherwise
// what platform::InstalledFontFile finds ("Arial Black" only when the system has that very
// family, else Lato Black, then DejaVu Sans Bold; "MS Sans Serif" and unknown faces fall back to
// DejaVu Sans, "MS Sans Serif Bold" to DejaVu Sans Bold). Empty when nothing was found.
std::string LocateFontFile(const std::string& face);

} // namespace sixdice::media::sdl
