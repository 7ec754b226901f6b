// On the desktop the data files are installed beside the game: nothing to bring.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFiles.h"

namespace sixdice::platform {

void AwaitDataFiles(const std::vector<std::string>&) {}

void PrefetchDataFiles(const std::vector<std::string>&) {}

} // namespace sixdice::platform
