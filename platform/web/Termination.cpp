// The browser sends no termination requests: closing the page ends the game with it.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Termination.h"

namespace sixdice::platform {

// The page has no signals or console; its tab closes without asking the program.
void ListenForTermination() {}

} // namespace sixdice::platform
