// Handing an address (web page, mail, local document as a file: URL) to the desktop's browser.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace sixdice::platform {

// Opens `url` (UTF-8) the way the desktop opens such addresses; nothing on success, else what
// went wrong in the system's words.
std::optional<std::string> OpenInBrowser(const std::string& url);

} // namespace sixdice::platform
