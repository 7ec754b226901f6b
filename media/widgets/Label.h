// A text label: left, centred or right aligned, transparent, one line or wrapped into several.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/widgets/Widget.h"

#include <optional>
#include <string>

namespace sixdice::media::widgets {

enum class Align { Left, Centre, Right };

struct LabelStyle {
    TextStyle font;
    Align align = Align::Left;
    // Breaks the text into lines that fit the bounds' width (explicit line breaks always count).
    bool wrap = false;
    // None: transparent, whatever lies beneath shows around the letters.
    std::optional<Rgb> background;
};

// A label takes no input and no focus; its text is clipped to its width. Lines stack from the
// top, one line height apart.
class Label final : public Widget {
public:
    Label(const Rect& bounds, std::string text, LabelStyle style);

    const std::string& Text() const { return text_; }
    void SetText(std::string utf8) { text_ = std::move(utf8); }
    const LabelStyle& Style() const { return style_; }

    void Paint(Canvas& canvas, const PaintState& state) override;

private:
    std::string text_;
    LabelStyle style_;
};

} // namespace sixdice::media::widgets
