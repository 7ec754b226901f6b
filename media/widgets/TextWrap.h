// Breaking a text into lines that fit a width: for labels and the message box.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sixdice::media::widgets {

// Width in pixels of a text in the font the lines will be drawn in.
using MeasureText = std::function<int(const std::string& utf8)>;

// The lines of `text` each no wider than `maxWidth`: explicit line breaks ("\n", "\r\n", "\r")
// are kept, lines break at spaces (the spaces at a break are dropped), and a word wider than a
// whole line is cut between characters. Tabs count as spaces. An empty text gives no lines.
std::vector<std::string> WrapText(std::string_view text, int maxWidth, const MeasureText& measure);

} // namespace sixdice::media::widgets
