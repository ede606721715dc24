// Copying opaque pictures onto the screen byte for byte, where SDL's blitter is slower.
#pragma once

#include <SDL.h>

// Whether the picture can be copied byte for byte onto the screen: opaque and in the window's
// own pixel format.
bool copyable(const SDL_Surface* surface);

// Copies the part of a copyable picture that lies wholly inside the clip rectangle, row by row
// with memcpy, to the picture's place (x, y); false leaves the blit to SDL. SDL 1.2's copying
// blitter moves eight bytes at a time with non-temporal stores, and the maze's 450 tiles drawn
// every frame made it the largest cost of play. The pixels are the same.
bool copyOpaque(const SDL_Surface* surface, int x, int y, const SDL_Rect& part);
