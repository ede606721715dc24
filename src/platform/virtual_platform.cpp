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

SDL_Event padAxisEvent(Uint8 axis, Sint16 value) {
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    return event;
}

SDL_Event padHatEvent(Uint8 value) {
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.type = SDL_JOYHATMOTION;
    event.jhat.value = value;
    return event;
}

SDL_Event padButtonEvent(Uint8 button, bool pressed) {
    SDL_Event event{};
    event.type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.type = event.type;
    event.jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event.jbutton.button = button;
    return event;
}

SDL_Event keyPressEvent(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}
