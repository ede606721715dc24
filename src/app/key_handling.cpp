// The command keys and pad buttons of play, taken from the event queue once per frame; walking
// reads the held keys fetched here.
#include "app/key_handling.h"

#include "actors/actor.h"
#include "actors/player_control.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/full_screen.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "rules/bombs.h"

namespace {

void handleKey(SDLKey key) {
    if (key == SDLK_ESCAPE || key == SDLK_q) {
        quitRequested = 1;
    }
    if (key == SDLK_p) {
        frontEnd.runPause();
    }
    if (player.state == Punched) {
        return;
    }
    if (key == SDLK_z && player.warps >= 1) {
        warpPlayer();
    }
    if (key == SDLK_k) {
        player.setState(Punched);
        soundBank.playSound(SfxWuzzle);
    }
    if (key == SDLK_SPACE) {
        useBombKey();
    }
}

// The pad's buttons stand for keys in play: A the bomb, B the warp, Start the pause and Back
// giving up, under the same rules as the keys.
SDLKey keyOfPadButton(Uint8 button) {
    switch (button) {
    case PadA:
        return SDLK_SPACE;
    case PadB:
        return SDLK_z;
    case PadStart:
        return SDLK_p;
    case PadBack:
        return SDLK_k;
    default:
        return SDLK_UNKNOWN;
    }
}

} // namespace

void handleEvents() {
    SDL_Event event;
    while (takeEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            quitRequested = 1;
        } else if (event.type == SDL_KEYDOWN && !toggleFullScreenOnKey(event.key.keysym)) {
            handleKey(event.key.keysym.sym);
        } else if (event.type == SDL_JOYBUTTONDOWN) {
            handleKey(keyOfPadButton(event.jbutton.button));
        }
    }
    keyState = platform.getKeyState(nullptr);
}
