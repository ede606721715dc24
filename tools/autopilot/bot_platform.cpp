// The bot's platform seam: every read answers from the bot's own state, and a delay only moves
// the virtual clock on, so a whole game runs as fast as the machine allows and the same way
// every time.
#include "bot_platform.h"

#include <deque>

namespace autopilot {

namespace {

constexpr SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

struct BotInput {
    Uint32 now = 0;
    std::deque<SDL_Event> events;
    Uint8 keys[SDLK_LAST] = {};
    int mouseX = 0;
    int mouseY = 0;
    Uint8 buttons = 0;
};

BotInput input;

Uint32 getTicks() {
    return input.now;
}

int pollEvent(SDL_Event* event) {
    if (input.events.empty()) {
        return 0;
    }
    if (event != nullptr) {
        *event = input.events.front();
        input.events.pop_front();
    }
    return 1;
}

Uint8* getKeyState(int* count) {
    if (count != nullptr) {
        *count = SDLK_LAST;
    }
    return input.keys;
}

Uint8 getMouseState(int* x, int* y) {
    if (x != nullptr) {
        *x = input.mouseX;
    }
    if (y != nullptr) {
        *y = input.mouseY;
    }
    return input.buttons;
}

void delay(Uint32 ms) {
    input.now += ms;
}

int flip(SDL_Surface*) {
    return 0;
}

void updateRects(SDL_Surface*, int, SDL_Rect*) {}

} // namespace

Platform botPlatform() {
    // Headless runs ask for 32 bits: the dummy driver's default depth is palettized.
    constexpr int headlessDepth = 32;
    return Platform{&getTicks, &pollEvent, &getKeyState, &getMouseState,
                    &delay,    &flip,      &updateRects, headlessDepth};
}

void resetBotInput() {
    input = BotInput{};
}

void pressKey(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    input.events.push_back(event);
}

void holdArrow(SDLKey arrow) {
    for (SDLKey key : arrows) {
        input.keys[key] = key == arrow ? 1 : 0;
    }
}

void pressPointerAt(int x, int y) {
    input.mouseX = x;
    input.mouseY = y;
    input.buttons = SDL_BUTTON(SDL_BUTTON_LEFT);
}

Uint32 virtualNow() {
    return input.now;
}

} // namespace autopilot
