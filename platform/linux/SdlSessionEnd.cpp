// The end of a desktop session on Linux reaches the program as SIGHUP or SIGTERM (Termination), so
// there is no window-system message to watch.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlSessionEnd.h"

namespace sixdice::media::sdl {

void WatchSessionEnd(void (*)()) {}

void StopWatchingSessionEnd() {}

} // namespace sixdice::media::sdl
