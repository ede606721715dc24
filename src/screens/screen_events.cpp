// Input shared by the full-window screens: quit requests, button hit tests, the left button.
#include "screens/screen_events.h"

#include "core/game_state.h"
#include "platform/full_screen.h"
#include "platform/platform.h"

bool isQuitEvent(const SDL_Event& event) {
    return event.type == SDL_QUIT ||
           (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_ESCAPE || event.key.keysym.sym == SDLK_q));
}

namespace {

// Whether the last drain found a left-button press: a tap shorter than a pass comes and goes
// between two looks at the button's state, and only its event tells of it.
bool leftPressQueued = false;

} // namespace

bool drainEventsForQuit() {
    bool quit = false;
    leftPressQueued = false;
    SDL_Event event;
    while (platform.pollEvent(&event) != 0) {
        if (event.type == SDL_KEYDOWN && toggleFullScreenOnKey(event.key.keysym)) {
            continue;
        }
        if (isQuitEvent(event)) {
            quit = true;
        } else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
            leftPressQueued = true;
        }
    }
    if (quit) {
        quitRequested = 1;
    }
    return quit;
}

bool pointerOnButton(int pointerX, int pointerY, int x, int y, int width, int height) {
    return pointerX > x && pointerX < x + width && pointerY > y && pointerY < y + height;
}

bool leftButtonHeld() {
    return leftPressQueued ||
           (platform.getMouseState(nullptr, nullptr) & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
}
