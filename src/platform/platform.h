// The seam between the game and the few SDL calls a test must control: the clock, the event
// queue, the held keys, the pointer, sleeping and presenting. The shipped game points every
// entry at SDL; a test installs its own functions for a scripted, reproducible run.
#pragma once

#include "platform/platform_features.h"

#include <SDL.h>
#include <cstdint>

struct Platform {
    Uint32 (*getTicks)();
    int (*pollEvent)(SDL_Event* event);
    Uint8* (*getKeyState)(int* count);
    Uint8 (*getMouseState)(int* x, int* y);
    void (*delay)(Uint32 ms);
    int (*flip)(SDL_Surface* surface);
    // Presents only the given rectangles of the window: a screen where little moves costs
    // little to show.
    void (*updateRects)(SDL_Surface* surface, int count, SDL_Rect* rects);
    // Bits per pixel asked of the video mode: 0 takes the desktop's depth.
    int videoDepth;
};

extern Platform platform;

// The seam as the shipped game uses it: straight through to SDL.
Platform sdlPlatform();

// The music's files: note files that SDL_mixer plays through a synthesizer on the desktop, and
// in a web page Ogg Vorbis recordings of them, which the browser plays.
inline constexpr const char* musicFileSuffix = musicIsRecorded ? ".ogg" : ".mid";
