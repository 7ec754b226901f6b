// The addresses the game opens but does not define: chosen when the game is built.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sixdice::ui {

// The game screen's two web links.
std::string_view WebLink1();
std::string_view WebLink2();
// The menu's envelope: "mailto:" the author's address, with an empty subject.
std::string AuthorMailLink();

} // namespace sixdice::ui
