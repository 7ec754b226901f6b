// Window placement rules, free of any window system so that they can be tested directly.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/WindowPlacement.h"

#include <algorithm>

namespace sixdice::media {

Point CentredPosition(Size outer, const Rect& desktop) {
    return KeptOnDesktop({desktop.x + (desktop.width - outer.width) / 2,
                          desktop.y + (desktop.height - outer.height) / 2},
                         outer, desktop);
}

Point KeptOnDesktop(Point topLeft, Size outer, const Rect& desktop) {
    Point p = topLeft;
    p.x = std::min(p.x, desktop.x + desktop.width - outer.width);
    p.y = std::min(p.y, desktop.y + desktop.height - outer.height);
    p.x = std::max(p.x, desktop.x);
    p.y = std::max(p.y, desktop.y);
    return p;
}

Point PositionAfterLayoutChange(Point outerTopLeft, Layout from, Layout to, Size outerAfter,
                                const Rect& desktop, int scale) {
    Point p = outerTopLeft;
    if (from == Layout::Small && to == Layout::Large) {
        p.x -= LayoutShift.x * scale;
        p.y -= LayoutShift.y * scale;
    } else if (from == Layout::Large && to == Layout::Small) {
        p.x += LayoutShift.x * scale;
        p.y += LayoutShift.y * scale;
    }
    return KeptOnDesktop(p, outerAfter, desktop);
}

} // namespace sixdice::media
