// The mouse pointer over the surface: counted hide and show, arrow or pointing hand.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sixdice::media {

enum class PointerShape { Arrow, Hand };

class Pointer {
public:
    virtual ~Pointer() = default;

    // Counted: the pointer is visible while the shows balance the hides (each hide needs a show).
    virtual void Hide() = 0;
    virtual void Show() = 0;
    virtual bool IsVisible() const = 0;

    virtual void SetShape(PointerShape shape) = 0;
    virtual PointerShape Shape() const = 0;
};

} // namespace sixdice::media
