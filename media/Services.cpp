// The parts of the service entry points that need no SDL.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Services.h"

#include <cstdlib>
#include <cstring>

namespace sixdice::media {

bool HeadlessRequested() {
    const char* value = std::getenv("SIXDICE_HEADLESS");
    return value && std::strcmp(value, "1") == 0;
}

} // namespace sixdice::media
