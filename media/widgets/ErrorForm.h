// The error message box's contents: an error sign, the message in lines, and an OK button.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/widgets/Button.h"
#include "media/widgets/Label.h"
#include "media/widgets/WidgetGroup.h"

#include <string>
#include <vector>

namespace sixdice::media::widgets {

// Laid out once for its message: lines broken to at most kMaxTextWidth pixels (explicit line
// breaks kept), the box as large as the text needs and never larger than the screen (lines that
// do not fit are cut; the whole text also goes to standard error). OK has the focus and is the
// default button: Return, Space, Escape or a click on OK dismisses the box, and so does its
// window's close box, which the window's owner reports as a CloseRequest. Ctrl+C copies the
// message, as message boxes do.
class ErrorForm {
public:
    static constexpr int kMaxTextWidth = 460;
    static constexpr int kMargin = 16;
    static constexpr int kSignSize = 32;
    static constexpr Size kButtonSize{75, 23};
    // The message's font: "MS Sans Serif" 9 pt in cream, on the felt.
    static TextStyle MessageFont();

    // `measure` sizes the text (only its font is changed); `screen` is the usable desktop.
    ErrorForm(std::string message, Canvas& measure, Size screen, Shell& clipboard);

    Size ClientSize() const { return client_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& Message() const { return message_; }

    // Paints the whole client area.
    void Paint(Canvas& canvas, std::uint64_t now);

    enum class Outcome { None, Repaint, Dismissed };
    Outcome Handle(const InputEvent& event, std::uint64_t now);

private:
    void PaintSign(Canvas& canvas) const;

    std::string message_;
    Shell& clipboard_;
    std::vector<std::string> lines_;
    Size client_;
    Rect sign_;
    int buttonBandTop_ = 0;
    WidgetGroup group_;
    Button* ok_ = nullptr;
};

} // namespace sixdice::media::widgets
