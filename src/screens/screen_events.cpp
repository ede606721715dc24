// Input shared by the full-window screens: quit requests, button hit tests, the left button.
#include "screens/screen_events.h"

#include "core/game_state.h"
#include "platform/controls.h"
#include "platform/full_screen.h"
#include "platform/gamepad.h"
#include "platform/platform.h"

bool isQuitEvent(const SDL_Event& event) {
    return event.type == SDL_QUIT || eventGives(Command::Quit, event);
}

namespace {

// Whether the last drain found a left-button press: a tap shorter than a pass comes and goes
// between two looks at the button's state, and only its event tells of it.
bool leftPressQueued = false;
// Whether the last drain found a press of the screen's button by key or pad (Enter, Space, A or
// Start), or of the controls page's (C or Y).
bool confirmQueued = false;
bool controlsQueued = false;

} // namespace

bool drainEventsForQuit() {
    bool quit = false;
    leftPressQueued = false;
    confirmQueued = false;
    controlsQueued = false;
    SDL_Event event;
    while (takeEvent(&event) != 0) {
        if (event.type == SDL_KEYDOWN && toggleFullScreenOnKey(event.key.keysym)) {
            continue;
        }
        if (isQuitEvent(event)) {
            quit = true;
        } else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
            leftPressQueued = true;
        } else if (eventGives(Command::Confirm, event)) {
            confirmQueued = true;
        } else if (eventGives(Command::ControlsPage, event)) {
            controlsQueued = true;
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

bool confirmPressed() {
    return confirmQueued;
}

bool controlsPressed() {
    return controlsQueued;
}

bool leftButtonHeld() {
    return leftPressQueued ||
           (platform.getMouseState(nullptr, nullptr) & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
}
