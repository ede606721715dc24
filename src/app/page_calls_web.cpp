// What the page around the game calls into it: the sounds that arrived after the first picture,
// and the touch controls, which reach the game as the events of a pad, so that play, the
// screens and demos read a swipe or an on-screen button as they read a pad.
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/controls.h"
#include "platform/virtual_platform.h"

#include <SDL.h>
#include <emscripten.h>

extern "C" {

// The page wrote late sound files into the game's files.
EMSCRIPTEN_KEEPALIVE void tamberloFilesArrived() {
    soundBank.takeArrivedSounds();
}

// An on-screen button pressed (down 1) or let go (down 0), named as its command in the controls
// table: it presses the pad's first button for that command.
EMSCRIPTEN_KEEPALIVE void tamberloTouchCommand(const char* name, int down) {
    const Control* control = controlNamed(name);
    if (control != nullptr && control->padButtons[0] != noButton) {
        SDL_Event event = padButtonEvent(static_cast<Uint8>(control->padButtons[0]), down != 0);
        SDL_PushEvent(&event);
    }
}

// A swipe: the d-pad held the way of the SDL_HAT_ bits given, until the next swipe, or let go
// (SDL_HAT_CENTERED) when the player takes a key or a pad.
EMSCRIPTEN_KEEPALIVE void tamberloTouchHold(int hat) {
    SDL_Event event = padHatEvent(static_cast<Uint8>(hat & 0x0f));
    SDL_PushEvent(&event);
}
}
