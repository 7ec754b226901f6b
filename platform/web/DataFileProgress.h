// Who draws the loading bar while the browser build waits for data files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace sixdice::platform::web {

// Where a wait for data files is: its first look, a later one, or its end (after at least one
// look showed the bar; a wait for files already here shows nothing and ends nothing).
enum class ProgressStep { First, Next, Done };

// Called while AwaitDataFiles waits, with the bytes loaded and expected over every fetch so far.
using ProgressPainter =
    std::function<void(std::uint64_t loaded, std::uint64_t expected, ProgressStep step)>;

void SetDataFileProgress(ProgressPainter painter);

} // namespace sixdice::platform::web
