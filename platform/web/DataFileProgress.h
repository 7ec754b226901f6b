// Who draws the loading bar while the browser build waits for data files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace sixdice::platform::web {

// Called while AwaitDataFiles waits, with the bytes loaded and expected over every fetch so far;
// `first` is true for the first call of a wait.
using ProgressPainter =
    std::function<void(std::uint64_t loaded, std::uint64_t expected, bool first)>;

void SetDataFileProgress(ProgressPainter painter);

} // namespace sixdice::platform::web
