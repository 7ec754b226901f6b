// The two faces of the game; every per-language table is keyed by this.
#pragma once

namespace sixdice::game {

enum class Language {
    Czech,   // "čeština"
    English, // "angličtina"
};

} // namespace sixdice::game
