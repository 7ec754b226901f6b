// Pointer movement over the drawing surface: the position clicks act on, then the present.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uMain.h"

namespace sixdice::ui {

void Tmain::PointerMoved(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
}

void Tmain::DXDrawMouseMove(int x, int y) {
    PointerMoved(x, y);
    Present();
}

} // namespace sixdice::ui
