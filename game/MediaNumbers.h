// The image and sound numbers the rules draw and play (the list files' contract).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::game::media_numbers {

// Images.
inline constexpr int DieFaceBase = 8; // face v is image DieFaceBase + v (9..14)
inline constexpr int NotHeldMarker = 18;
inline constexpr int HeldMarker = 19;
inline constexpr int ThrowPicture = 25;

// Sounds.
inline constexpr int ConfirmSound = 0;
inline constexpr int RefusalSound = 3;
inline constexpr int RollingSound = 4;
inline constexpr int ResultWrittenSound = 5;
inline constexpr int GameEndSound = 6;
inline constexpr int HoldSound = 12;

} // namespace sixdice::game::media_numbers
