// What the game presents, as the tests look at it: pixels of pictures and texts on the screen,
// and the effects playing.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>

// A colour no picture of the game uses: whatever still shows it was not drawn over.
constexpr Uint32 marker = 0x13579B;

constexpr SDL_Color white{255, 255, 255, 0};

inline SDL_Rect rect(int x, int y, int w, int h) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
}

// The colour of a surface's pixel as 0xRRGGBB.
Uint32 surfacePixel(SDL_Surface* surface, int x, int y);
Uint32 screenPixel(int x, int y);

// Whether a blit draws this pixel of the picture: colour-keyed pixels are see-through.
bool isInk(SDL_Surface* picture, int x, int y);

void fillRect(SDL_Rect area, Uint32 rgb);
inline void fillScreen(Uint32 rgb) {
    fillRect(rect(0, 0, 800, 600), rgb);
}

// How many pixels of an area of the screen hold the colour.
int pixelsOf(Uint32 rgb, SDL_Rect area);

// Whether every drawn pixel of the picture shows with its top-left corner at (x, y); the
// same for a text rendered solid in the font and colour.
::testing::AssertionResult drawnAt(SDL_Surface* picture, int x, int y);
::testing::AssertionResult showsText(TTF_Font* font, const std::string& text, SDL_Color colour,
                                     int tx, int ty);

// How many mixer channels are playing this effect right now.
int channelsPlaying(Mix_Chunk* chunk);
