#include "screens/screen_events.h"

#include "shell/full_screen.h"
#include "shell/game_state.h"
#include "shell/platform.h"

bool isQuitEvent(const SDL_Event& event) {
    return event.type == SDL_QUIT ||
           (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_ESCAPE || event.key.keysym.sym == SDLK_q));
}

bool drainEventsForQuit() {
    bool quit = false;
    SDL_Event event;
    while (platform.pollEvent(&event) != 0) {
        if (event.type == SDL_KEYDOWN && toggleFullScreenOnKey(event.key.keysym)) {
            continue;
        }
        if (isQuitEvent(event)) {
            quit = true;
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
    return (platform.getMouseState(nullptr, nullptr) & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
}
