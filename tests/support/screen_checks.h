// What the game presents, as the tests look at it: pixels of pictures and texts on the screen,
// the effects playing, and a recorder of each presented pass.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

// A colour no picture of the game uses: whatever still shows it was not drawn over.
constexpr Uint32 marker = 0x13579B;

constexpr SDL_Color white{255, 255, 255, 0};
constexpr SDL_Color red{255, 0, 0, 0};
constexpr SDL_Color blue{0, 0, 255, 0};

inline Uint32 rgbOf(SDL_Color colour) {
    return (static_cast<Uint32>(colour.r) << 16) | (static_cast<Uint32>(colour.g) << 8) | colour.b;
}

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

// Whether, inside `area`, the screen shows `picture` with its top-left corner at (px, py) over
// `background` (a full-window picture restored underneath). Pixels of the area outside the
// picture, or see-through in it, must show the background; a null background leaves them
// unchecked.
::testing::AssertionResult showsPicture(SDL_Surface* picture, int px, int py, SDL_Rect area,
                                        SDL_Surface* background);

// Whether every drawn pixel of the picture shows with its top-left corner at (x, y).
bool drawnAt(SDL_Surface* picture, int x, int y);

// The same for a text rendered solid in the font and colour; without an area, the text's own.
::testing::AssertionResult showsText(TTF_Font* font, const std::string& text, SDL_Color colour,
                                     int tx, int ty, SDL_Rect area, SDL_Surface* background);
::testing::AssertionResult showsText(TTF_Font* font, const std::string& text, SDL_Color colour,
                                     int tx, int ty);

// How many mixer channels are playing this effect right now.
int channelsPlaying(Mix_Chunk* chunk);

// Calls a check after every present (frame or screen pass) with the present's number, as the
// pass was presented and before the script acts on it, then silences the effects so that the
// next check sees only what the next pass started.
class PassRecorder {
  public:
    explicit PassRecorder(std::function<void(int)> check);
    ~PassRecorder();
    PassRecorder(const PassRecorder&) = delete;
    PassRecorder& operator=(const PassRecorder&) = delete;

  private:
    int (*previousFlip)(SDL_Surface*);
};
