// The player setup screen's controls: the two player-count buttons and the name boxes' key
// releases.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Catalogue.h"
#include "ui/uMain.h"

namespace sixdice::ui {

namespace sound = catalogue::sound;

void Tmain::BPlusClick() {
    if (state_.PlayerCount < game::MaxPlayers) {
        ++state_.PlayerCount;
        PlaySound(sound::PlayerAdded, false);
    }
    if (state_.PlayerCount == game::MaxPlayers) {
        setup_.SetAddEnabled(false);
    }
    if (state_.PlayerCount > 1) {
        setup_.SetRemoveEnabled(true);
    }
    UpdatePlayerBoxes();
}

void Tmain::BMinusClick() {
    if (state_.PlayerCount > 1) {
        --state_.PlayerCount;
        PlaySound(sound::PlayerRemoved, false);
    }
    if (state_.PlayerCount == 1) {
        setup_.SetRemoveEnabled(false);
    }
    if (state_.PlayerCount < game::MaxPlayers) {
        setup_.SetAddEnabled(true);
    }
    UpdatePlayerBoxes();
}

// Boxes 1..PlayerCount are shown; the others are hidden and hold their default names again, so
// a name typed into a box that is then hidden is lost. Focus goes to the last visible box.
void Tmain::UpdatePlayerBoxes() {
    const Texts& texts = TextsOf(currentLanguage_.value_or(Language::English));
    for (int box = 1; box <= SetupControls::BoxCount; ++box) {
        const bool shown = box <= state_.PlayerCount;
        setup_.SetBoxVisible(box, shown);
        if (!shown) {
            setup_.SetName(box, texts.defaultNames[std::size_t(box - 1)]);
        }
    }
    setup_.FocusBox(state_.PlayerCount, services_.events().Ticks());
}

void Tmain::EPlayerKeyUp(int box) {
    // Every key release counts, whether or not it changed the text.
    if (setup_.NameLength(box) < SetupControls::NameLimit) {
        PlaySound(sound::Typing, false);
    }
}

} // namespace sixdice::ui
