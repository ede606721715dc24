// The one drawing step the desktop and the web page each do their own way, behind the helpers
// of video.h: video_desktop.cpp defines it with SDL's blitter, video_web.cpp with the game's own
// drawing. Each of the two also defines video.h's decodePicture, screenCopy, makeSeeThrough,
// clipScreen and takeRenderedText.
#pragma once

#include <SDL.h>

// Draws the part of a picture (the whole picture for null) with the part's top-left corner at
// (x, y) of the screen, inside the screen's clip rectangle. Returns 0, or -1 on failure.
int drawOntoScreen(SDL_Surface* picture, const SDL_Rect* part, Sint16 x, Sint16 y);

// The whole of a picture, as a part of itself.
inline SDL_Rect wholeOf(const SDL_Surface* surface) {
    return SDL_Rect{0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
}
