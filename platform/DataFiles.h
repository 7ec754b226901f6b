// The game's data files before they are read: on the desktop they lie in the working folder
// already; in the browser they are fetched from the server the first time they are needed.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace sixdice::platform {

// Returns once each named file (a path relative to the working folder) is there to be read or has
// failed to arrive, showing the progress while it waits. A file that failed to arrive is simply
// not there: the reader then reports it as it reports any missing file, naming it.
void AwaitDataFiles(const std::vector<std::string>& names);

// Starts bringing the named files without waiting for them (a later AwaitDataFiles waits for
// what is still on its way).
void PrefetchDataFiles(const std::vector<std::string>& names);

} // namespace sixdice::platform
