// The game as the page plays it, from its first data files to the farewell: the same start-up,
// window and message loop as the desktop program, with the page's choices and its fetched files.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/Services.h"
#include "platform/web/PageChoices.h"

#include <string>

namespace sixdice::platform::web {

struct PageGameEnd {
    int exitCode = 0;     // 1 after a start-up failure (shown in the error box), else 0
    std::string language; // "CZ" or "EN": the language the game ended in
};

// Awaits the files the first frame needs, starts the game, lets the rest of the files come
// meanwhile and runs the message loop until the game closes. Everything of the game is gone when
// this returns, so the caller may shut the services down at once; nothing the game left behind
// refers to them.
PageGameEnd PlayInPage(media::Services& services, const PageChoices& choices);

} // namespace sixdice::platform::web
