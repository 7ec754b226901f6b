// Pointer movement over the surface: the position clicks act on, the hover marks, the present.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Catalogue.h"
#include "ui/uMain.h"

namespace sixdice::ui {

void Tmain::DXDrawMouseMove(int x, int y) {
    SurfacePointerMoved(x, y);
    Present();
}

void Tmain::SurfacePointerMoved(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
    if (currentLanguage_) {
        const ScreenTable& table = TableOf(*currentLanguage_, currentScreen_);
        // The first area under the pointer decides; a mark already shown is never replaced, so
        // moving straight onto a touching area keeps the first one lit until a neutral point.
        if (const ScreenArea* area = HoveredArea(table, x, y)) {
            if (!highlightShown_) {
                Mark(table, *area);
                highlightShown_ = true;
            }
        } else if (highlightShown_) {
            Unmark(table);
            highlightShown_ = false;
        }
    }
}

void Tmain::Mark(const ScreenTable& table, const ScreenArea& area) {
    if (area.mark == HoverMark::HandCursor) {
        services_.pointer().SetShape(media::PointerShape::Hand);
        return;
    }
    if (area.hoverSound) {
        PlaySound(catalogue::sound::Highlight, false);
    }
    if (table.markRedrawsBackground) {
        // Menu and setup: the background goes under every mark, so one highlight shows at most.
        DrawImage(table.background, 0, 0);
        DrawImage(area.highlight, area.highlightAt.x, area.highlightAt.y);
        return;
    }
    // The game and highscore screens: the mark goes over the current picture.
    DrawImage(area.highlight, area.highlightAt.x, area.highlightAt.y);
    Present();
}

void Tmain::Unmark(const ScreenTable& table) {
    switch (table.screen) {
    case game::Screen::Menu:
    case game::Screen::PlayerSetup:
        DrawImage(table.background, 0, 0);
        services_.pointer().SetShape(media::PointerShape::Arrow);
        return;
    case game::Screen::Game:
        DrawGameScreen();
        Present();
        return;
    case game::Screen::Highscore:
        DrawHighscore();
        return;
    case game::Screen::Wait:
    case game::Screen::GameEnd:
        return;
    }
}

} // namespace sixdice::ui
