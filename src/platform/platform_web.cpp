// The web page's platform: every entry goes to the browser's SDL through a function of the
// game's own, and a present hands the screen's pixels to the page's canvas.
#include "platform/platform.h"

#include "platform/web_canvas.h"

namespace {

// The browser's SDL functions cannot be stored as addresses: each goes through one of ours.
Uint32 ticks() {
    return SDL_GetTicks();
}
// The browser's SDL tells of the page hidden or shown and of its window's focus in the window
// events of a later SDL; the game reads them as SDL 1.2 says the same: the window hidden or
// shown, the input focus lost or gained.
int poll(SDL_Event* event) {
    const int result = SDL_PollEvent(event);
    if (result != 0 && event != nullptr && event->type == SDL_WINDOWEVENT) {
        const Uint8 what = event->window.event;
        SDL_Event active{};
        active.type = SDL_ACTIVEEVENT;
        active.active.gain = what == SDL_WINDOWEVENT_SHOWN || what == SDL_WINDOWEVENT_FOCUS_GAINED;
        active.active.state = what == SDL_WINDOWEVENT_SHOWN || what == SDL_WINDOWEVENT_HIDDEN
                                  ? SDL_APPACTIVE
                                  : SDL_APPINPUTFOCUS;
        *event = active;
    }
    return result;
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
