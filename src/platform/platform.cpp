// The shipped game's platform: every entry goes straight to SDL (in a web page, through a
// function of the game's own).
#include "platform/platform.h"

#include "platform/web_canvas.h"

namespace {

#ifdef __EMSCRIPTEN__

// The browser's SDL functions cannot be stored as addresses: each goes through one of ours.
Uint32 ticks() {
    return SDL_GetTicks();
}
int poll(SDL_Event* event) {
    return SDL_PollEvent(event);
}
Uint8* keyState(int* count) {
    return SDL_GetKeyboardState(count);
}
Uint8 mouseState(int* x, int* y) {
    return SDL_GetMouseState(x, y);
}
void sleep(Uint32 ms) {
    SDL_Delay(ms);
}
int flip(SDL_Surface*) {
    webPresent();
    return 0;
}
// The page's canvas takes the whole screen at once, which costs no more than a part of it.
void updateRects(SDL_Surface* surface, int count, SDL_Rect*) {
    if (count > 0) {
        flip(surface);
    }
}

} // namespace

Platform sdlPlatform() {
    return Platform{&ticks, &poll, &keyState, &mouseState, &sleep, &flip, &updateRects, 0};
}

#else

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

#endif

Platform platform = sdlPlatform();
