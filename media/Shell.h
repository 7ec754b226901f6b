// Handing addresses and documents to the desktop's "open" action, and the clipboard.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::media {

enum class ShowMode { Normal, Maximised };

class Shell {
public:
    virtual ~Shell() = default;

    // Opens a web address, a "mailto:" address or a local document path (relative to the working
    // folder) with the desktop's default program. The outcome is not reported.
    virtual void OpenDocument(const std::string& address, ShowMode mode) = 0;

    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& utf8) = 0;
};

} // namespace sixdice::media
