// The web page's platform: every entry goes to the browser's SDL through a function of the
// game's own, and a present hands the screen's pixels to the page's canvas.
#include "platform/platform.h"

#include "platform/web_canvas.h"

namespace {

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
