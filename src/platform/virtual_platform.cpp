// The in-memory platform seam shared by the tests and the autopilot.
#include "platform/virtual_platform.h"

namespace {

constexpr int headlessDepth = 32;

VirtualInput* source = nullptr;

Uint32 getTicks() {
    return source->now;
}

int pollEvent(SDL_Event* event) {
    if (source->events.empty()) {
        return 0;
    }
    if (event != nullptr) {
        *event = source->events.front();
        source->events.pop_front();
    }
    return 1;
}

Uint8* getKeyState(int* count) {
    if (count != nullptr) {
        *count = SDLK_LAST;
    }
    return source->keys;
}

Uint8 getMouseState(int* x, int* y) {
    if (x != nullptr) {
        *x = source->mouseX;
    }
    if (y != nullptr) {
        *y = source->mouseY;
    }
    return source->buttons;
}

void delay(Uint32 ms) {
    source->delays.push_back(ms);
    source->now += ms;
}

int flip(SDL_Surface*) {
    return 0;
}

void updateRects(SDL_Surface*, int, SDL_Rect*) {}

} // namespace

Platform virtualPlatform(VirtualInput& input) {
    source = &input;
    return Platform{&getTicks, &pollEvent, &getKeyState, &getMouseState,
                    &delay,    &flip,      &updateRects, headlessDepth};
}

SDL_Event keyPressEvent(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}
