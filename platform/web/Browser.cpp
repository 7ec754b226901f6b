// Opening addresses from the browser build: the page opens them in a new tab; the game's own
// documents (a file: address in the game's file system) by their address on the server, as
// manifest.json names them; mail addresses go to the mail program.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Browser.h"

#include <emscripten.h>

EM_JS(int, sixdice_page_open, (const char* address), {
    if (!Module.sixdiceOpen) {
        return 0;
    }
    Module.sixdiceOpen(UTF8ToString(address));
    return 1;
});

namespace sixdice::platform {

std::optional<std::string> OpenInBrowser(const std::string& url) {
    // The game's file system is rooted where its data files lie: "file:///pravidla.htm" is the
    // page's "pravidla.htm". Percent-escapes stay, as the manifest holds the plain names.
    constexpr std::string_view local = "file:///";
    std::string address = url;
    if (address.rfind(local, 0) == 0)
        address.erase(0, local.size());
    if (!sixdice_page_open(address.c_str()))
        return std::string("the page cannot open addresses");
    return std::nullopt;
}

} // namespace sixdice::platform
