// Text from the page's input methods (an IME, an on-screen keyboard, a test's text input) that
// arrives without key presses: the page hands it over and it joins SDL's queue as typed text.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/sdl/SdlHandles.h"

#include <cstring>
#include <emscripten.h>
#include <string_view>

namespace {

// Bytes of the UTF-8 character starting with `lead` (1 for a stray byte).
std::size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

// One SDL text event per piece that fits its buffer, never splitting a character.
extern "C" EMSCRIPTEN_KEEPALIVE void sixdice_text_input(const char* utf8) {
    std::string_view text = utf8 ? utf8 : "";
    SDL_Window* focus = SDL_GetKeyboardFocus();
    constexpr std::size_t room = SDL_TEXTINPUTEVENT_TEXT_SIZE - 1;
    while (!text.empty()) {
        std::size_t take = 0;
        while (take < text.size()) {
            const std::size_t next = CharacterLength(static_cast<unsigned char>(text[take]));
            if (take + next > room || take + next > text.size())
                break;
            take += next;
        }
        if (take == 0)
            take = 1; // a character cut off at the end: its bytes go as they are
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = focus ? SDL_GetWindowID(focus) : 0;
        std::memcpy(e.text.text, text.data(), take);
        e.text.text[take] = '\0';
        SDL_PushEvent(&e);
        text.remove_prefix(take);
    }
}
