// The build's addresses for the web links and the author's mail.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Links.h"

#ifndef SIXDICE_WEB_LINK_1
#define SIXDICE_WEB_LINK_1 "https://www.debian.org/"
#endif
#ifndef SIXDICE_WEB_LINK_2
#define SIXDICE_WEB_LINK_2 "https://www.libsdl.org/"
#endif
#ifndef SIXDICE_AUTHOR_MAIL
#define SIXDICE_AUTHOR_MAIL "sixdice@example.org"
#endif

namespace sixdice::ui {

std::string_view WebLink1() {
    return SIXDICE_WEB_LINK_1;
}

std::string_view WebLink2() {
    return SIXDICE_WEB_LINK_2;
}

std::string AuthorMailLink() {
    return std::string("mailto:") + SIXDICE_AUTHOR_MAIL + "?subject=";
}

} // namespace sixdice::ui
