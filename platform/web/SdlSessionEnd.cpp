// The browser's page has no session to end: nothing to watch.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlSessionEnd.h"

namespace sixdice::media::sdl {

void WatchSessionEnd(void (*)()) {}

void StopWatchingSessionEnd() {}

} // namespace sixdice::media::sdl
