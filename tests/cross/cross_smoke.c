// Checks that the cross-built libraries link and work together on the target: SDL starts with its
// dummy video and audio drivers, SDL_ttf opens a TrueType font and draws Czech text with it, and
// SDL_mixer decodes an Ogg Vorbis stream (made here with vorbisenc, so the test needs no data file)
// both as music and as a sound, to the exact length that was encoded.
//   cross_smoke FONT.ttf
// Prints what it checked; exit status 0 only when everything worked.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vorbis/vorbisenc.h>

enum { kRate = 44100, kChannels = 2, kFrames = 22050 };

#ifdef __EMSCRIPTEN__
static const char* const kAudioDriver = "emscripten";
#else
static const char* const kAudioDriver = "dummy";
#endif

static int failures = 0;

static void check(int ok, const char* what, const char* detail) {
    int has_detail = detail && *detail;
    printf("%s: %s%s%s\n", ok ? "ok" : "FAILED", what, has_detail ? " - " : "",
           has_detail ? detail : "");
    if (!ok)
        ++failures;
}

// The versions the recipes build; a mismatch means another copy of a library was linked.
static void check_versions(void) {
    SDL_version sdl;
    SDL_GetVersion(&sdl);
    const SDL_version* ttf = TTF_Linked_Version();
    const SDL_version* mix = Mix_Linked_Version();
    char text[128];
    snprintf(text, sizeof text, "SDL %d.%d.%d, SDL_ttf %d.%d.%d, SDL_mixer %d.%d.%d", sdl.major,
             sdl.minor, sdl.patch, ttf->major, ttf->minor, ttf->patch, mix->major, mix->minor,
             mix->patch);
    check(sdl.major == 2 && sdl.minor == 26 && sdl.patch == 5 && ttf->major == 2 &&
              ttf->minor == 20 && ttf->patch == 1 && mix->major == 2 && mix->minor == 6 &&
              mix->patch == 2,
          "library versions", text);
}

static void check_font(const char* path) {
    int ok = TTF_Init() == 0;
    check(ok, "TTF_Init", ok ? NULL : TTF_GetError());
    TTF_Font* font = TTF_OpenFont(path, 24);
    check(font != NULL, "TTF_OpenFont", font ? path : TTF_GetError());
    if (!font)
        return;
    // "Šest kostek": a letter outside ASCII, as the game's Czech texts have.
    check(TTF_GlyphIsProvided32(font, 0x0160) != 0, "glyph U+0160 present", NULL);
    SDL_Color black = {0, 0, 0, 255};
    SDL_Surface* text = TTF_RenderUTF8_Blended(font, "\u0160est kostek", black);
    check(text != NULL && text->w > 60 && text->h >= 20, "text rendered",
          text ? NULL : TTF_GetError());
    if (text) {
        // Some pixel must be inked: FreeType really rasterised the outlines.
        int inked = 0;
        SDL_LockSurface(text);
        for (int y = 0; y < text->h && !inked; ++y) {
            const Uint32* row = (const Uint32*)((const Uint8*)text->pixels + y * text->pitch);
            for (int x = 0; x < text->w; ++x) {
                Uint8 r, g, b, a;
                SDL_GetRGBA(row[x], text->format, &r, &g, &b, &a);
                if (a > 128) {
                    inked = 1;
                    break;
                }
            }
        }
        SDL_UnlockSurface(text);
        check(inked, "text has inked pixels", NULL);
        SDL_FreeSurface(text);
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

// Appends the pages the stream has ready to the buffer.
static int append_pages(ogg_stream_state* stream, unsigned char** data, size_t* size, int flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(stream, &page) : ogg_stream_pageout(stream, &page)) {
        unsigned char* grown = realloc(*data, *size + page.header_len + page.body_len);
        if (!grown)
            return 0;
        *data = grown;
        memcpy(*data + *size, page.header, page.header_len);
        memcpy(*data + *size + page.header_len, page.body, page.body_len);
        *size += page.header_len + page.body_len;
    }
    return 1;
}

// Half a second of a 440 Hz tone, Ogg Vorbis, in memory.
static unsigned char* encode_tone(size_t* size) {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    unsigned char* data = NULL;
    *size = 0;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, kChannels, kRate, 0.4f) != 0)
        return NULL;
    vorbis_comment_init(&comment);
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&stream, 1);
    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    int ok = append_pages(&stream, &data, size, 1);

    float** buffer = vorbis_analysis_buffer(&dsp, kFrames);
    for (int i = 0; i < kFrames; ++i) {
        float sample = 0.5f * sinf(2.0f * 3.14159265f * 440.0f * (float)i / kRate);
        buffer[0][i] = sample;
        buffer[1][i] = sample;
    }
    vorbis_analysis_wrote(&dsp, kFrames);
    vorbis_analysis_wrote(&dsp, 0);
    ogg_packet packet;
    while (ok && vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, NULL);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            ok = ok && append_pages(&stream, &data, size, 0);
        }
    }
    ok = ok && append_pages(&stream, &data, size, 1);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (!ok) {
        free(data);
        return NULL;
    }
    return data;
}

static void check_mixer(void) {
    int ok = (Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) != 0;
    check(ok, "Mix_Init(MIX_INIT_OGG)", ok ? NULL : Mix_GetError());
    ok = Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, 1024) == 0;
    check(ok, "Mix_OpenAudio", ok ? NULL : Mix_GetError());
    size_t size = 0;
    unsigned char* ogg = encode_tone(&size);
    check(ogg != NULL && size > 100, "Ogg Vorbis encoded", NULL);
    if (!ogg)
        return;

    Mix_Music* music = Mix_LoadMUS_RW(SDL_RWFromConstMem(ogg, (int)size), 1);
    check(music != NULL, "Mix_LoadMUS_RW", music ? NULL : Mix_GetError());
    if (music) {
        check(Mix_GetMusicType(music) == MUS_OGG, "music type is Ogg", NULL);
        double length = Mix_MusicDuration(music);
        char text[64];
        snprintf(text, sizeof text, "%.3f s", length);
        check(fabs(length - (double)kFrames / kRate) < 0.001, "music length", text);
        ok = Mix_PlayMusic(music, 0) == 0;
        check(ok, "Mix_PlayMusic", ok ? NULL : Mix_GetError());
        Mix_HaltMusic();
        Mix_FreeMusic(music);
    }

    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(ogg, (int)size), 1);
    check(chunk != NULL, "Mix_LoadWAV_RW of Ogg", chunk ? NULL : Mix_GetError());
    if (chunk) {
        // Decoded and converted to the device's format: as many frames as were encoded.
        Uint32 frame = (Uint32)(SDL_AUDIO_BITSIZE(format) / 8 * channels);
        Uint64 expected = (Uint64)kFrames * (Uint64)rate / kRate;
        char text[64];
        snprintf(text, sizeof text, "%u frames, expected %u", (unsigned)(chunk->alen / frame),
                 (unsigned)expected);
        check(chunk->alen % frame == 0 && chunk->alen / frame + 2 >= expected &&
                  chunk->alen / frame <= expected + 2,
              "sound decoded to its length", text);
        Mix_FreeChunk(chunk);
    }
    free(ogg);
    Mix_CloseAudio();
    Mix_Quit();
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: cross_smoke FONT.ttf\n");
        return 2;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    // SDL's dummy output needs a thread, which the browser build has not: there the browser's own.
    SDL_SetHint(SDL_HINT_AUDIODRIVER, kAudioDriver);
    int ok = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER) == 0;
    check(ok, "SDL_Init", ok ? NULL : SDL_GetError());
    const char* driver = SDL_GetCurrentVideoDriver();
    check(driver && strcmp(driver, "dummy") == 0, "video driver", driver);
    SDL_Window* window =
        SDL_CreateWindow("Six Dice", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 400, 300, 0);
    check(window != NULL, "SDL_CreateWindow", window ? NULL : SDL_GetError());
    check_versions();
    check_font(argv[1]);
    check_mixer();
    if (window)
        SDL_DestroyWindow(window);
    SDL_Quit();
    printf("%s\n", failures ? "cross smoke test FAILED" : "cross smoke test passed");
    return failures ? 1 : 0;
}
