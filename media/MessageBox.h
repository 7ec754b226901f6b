// The standard error message box (its text also goes to standard error).
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sixdice::media {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the text and waits until the player dismisses it.
    virtual void ShowError(const std::string& utf8) = 0;
};

} // namespace sixdice::media
