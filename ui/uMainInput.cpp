// Where each event goes: the e-mail form while it is shown, the setup controls for what lands on
// them, the surface's handlers for the rest.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uMain.h"

namespace sixdice::ui {

void Tmain::HandleEvent(const media::InputEvent& event) {
    const std::uint64_t now = services_.events().Ticks();
    switch (event.kind) {
    case media::EventKind::FocusGained:
        WindowActivated(now);
        return;
    case media::EventKind::FocusLost:
        WindowDeactivated();
        return;
    default:
        break;
    }
    if (event.window == media::WindowId::Dialog) {
        if (email_.Visible()) {
            email_.HandleEvent(event);
        }
        return;
    }
    // While the e-mail form is shown the main window takes no input at all.
    if (email_.Visible()) {
        return;
    }
    switch (event.kind) {
    case media::EventKind::CloseRequest:
        if (FormCloseQuery()) {
            FormClose();
        }
        return;
    case media::EventKind::MouseMove:
        // The caller presents once after a burst of movements.
        PointerMoved(event.x, event.y);
        return;
    case media::EventKind::Click:
        // A click that began on a control was the control's; the surface never sees it.
        if (!pressOnControl_) {
            DXDrawClick();
        }
        pressOnControl_ = false;
        return;
    default:
        break;
    }
    if (!setup_.AnyVisible()) {
        return;
    }
    const SetupControls::Outcome outcome = setup_.HandleEvent(event, now);
    if (event.kind == media::EventKind::MouseDown && event.button == 1) {
        pressOnControl_ = outcome.taken;
    }
    if (outcome.addClicked) {
        BPlusClick();
    }
    if (outcome.removeClicked) {
        BMinusClick();
    }
    if (outcome.keyReleasedInBox != 0) {
        EPlayerKeyUp(outcome.keyReleasedInBox);
    }
    if (outcome.changed || outcome.addClicked || outcome.removeClicked) {
        Present();
    }
}

void Tmain::PointerMoved(int x, int y) {
    if (email_.Visible()) {
        return;
    }
    if (setup_.AnyVisible()) {
        media::InputEvent move;
        move.kind = media::EventKind::MouseMove;
        move.x = x;
        move.y = y;
        if (setup_.HandleEvent(move, services_.events().Ticks()).taken) {
            return;
        }
    }
    SurfacePointerMoved(x, y);
}

} // namespace sixdice::ui
