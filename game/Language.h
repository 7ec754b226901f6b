// The two faces of the game; every per-language table is keyed by this.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::game {

enum class Language {
    Czech,   // "čeština"
    English, // "angličtina"
};

} // namespace sixdice::game
