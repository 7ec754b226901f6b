// UTF-8, the game's text, to and from UTF-16, the text of Windows' wide-character calls.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sixdice::platform {

// Nothing when `utf8` is not valid UTF-8 (a name Windows could not hold).
std::optional<std::wstring> WideFromUtf8(std::string_view utf8);

// Unpaired surrogates, which Windows names may hold, become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// The system's words for one of its error codes, without the line end it puts after them.
std::string Win32ErrorText(unsigned long error);

} // namespace sixdice::platform
