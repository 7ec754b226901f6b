// SDL handles owned by std::unique_ptr, and reporting a failed SDL call once.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <memory>

namespace sixdice::media::sdl {

struct SdlDeleter {
    void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
    void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
    void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
    void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
    void operator()(SDL_Cursor* p) const { SDL_FreeCursor(p); }
    void operator()(TTF_Font* p) const { TTF_CloseFont(p); }
    void operator()(Mix_Chunk* p) const { Mix_FreeChunk(p); }
    void operator()(Mix_Music* p) const { Mix_FreeMusic(p); }
};

template <class T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

// Prints "what: <SDL_GetError()>" on standard error, once per distinct message, so that a failure
// repeated every frame is reported only the first time.
void ReportSdlError(const char* what);

// SDL_GetError() as a std::string.
std::string SdlErrorText();

} // namespace sixdice::media::sdl
