// Where each event goes: the e-mail form while it is shown, the setup controls for what lands on
// them, the surface's handlers for the rest.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/uMain.h"

namespace sixdice::ui {

void Tmain::HandleEvent(const media::InputEvent& event) {
    if (event.kind == media::EventKind::Terminate) {
        // Goes before any form or control: the system does not wait for the player.
        Terminate();
        return;
    }
    const std::uint64_t now = services_.events().Ticks();
    if (event.window == media::EventWindow::Dialog) {
        if (email_.Visible()) {
            email_.HandleEvent(event);
        }
        return;
    }
    switch (event.kind) {
    case media::EventKind::FocusGained:
        WindowActivated(now);
        break;
    case media::EventKind::FocusLost:
        WindowDeactivated();
        break;
    default:
        // While the e-mail form is shown the main window takes no input at all.
        if (email_.Visible()) {
            return;
        }
        break;
    }
    if (setup_.AnyVisible() && HandleSetupControls(event, now)) {
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
        SurfacePointerMoved(event.x, event.y);
        return;
    case media::EventKind::Click:
        DXDrawClick();
        return;
    default:
        // Presses, releases, keys and text without a control to take them are not the game's.
        return;
    }
}

bool Tmain::HandleSetupControls(const media::InputEvent& event, std::uint64_t now) {
    const SetupControls::Outcome outcome = setup_.HandleEvent(event, now);
    if (outcome.addClicked) {
        BPlusClick();
    }
    if (outcome.removeClicked) {
        BMinusClick();
    }
    if (outcome.keyReleasedInBox != 0) {
        EPlayerKeyUp(outcome.keyReleasedInBox);
    }
    // Controls paint over the surface, so what they changed shows with a present; a movement is
    // presented by the caller.
    if ((outcome.changed || outcome.addClicked || outcome.removeClicked) &&
        event.kind != media::EventKind::MouseMove) {
        Present();
    }
    return outcome.taken;
}

} // namespace sixdice::ui
