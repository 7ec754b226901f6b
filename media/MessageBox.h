// The error message box: the text on standard error, then in a modal box of the game's own.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::media {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Writes the text to standard error, shows it (UTF-8, several lines, wrapped to fit) and waits
    // until the player dismisses the box. In headless mode only standard error gets it.
    virtual void ShowError(const std::string& utf8) = 0;
};

} // namespace sixdice::media
