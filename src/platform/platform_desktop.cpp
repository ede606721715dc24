// The desktop's platform: every entry goes straight to SDL.
#include "platform/platform.h"

namespace {

// A present of no rectangle shows nothing new, yet SDL's X11 driver still waits for a round
// trip to the X server: a screen at rest (pause, victory between texts) skips it.
void updateRects(SDL_Surface* surface, int count, SDL_Rect* rects) {
    if (count > 0) {
        SDL_UpdateRects(surface, count, rects);
    }
}

} // namespace

Platform sdlPlatform() {
    return Platform{&SDL_GetTicks, &SDL_PollEvent, &SDL_GetKeyState, &SDL_GetMouseState,
                    &SDL_Delay,    &SDL_Flip,      &updateRects,     0};
}
