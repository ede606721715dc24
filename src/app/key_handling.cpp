// The command keys of play, taken from the event queue once per frame; walking reads the held
// keys fetched here.
#include "app/key_handling.h"

#include "actors/actor.h"
#include "actors/player_control.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/full_screen.h"
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

} // namespace

void handleEvents() {
    SDL_Event event;
    while (platform.pollEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            quitRequested = 1;
        } else if (event.type == SDL_KEYDOWN && !toggleFullScreenOnKey(event.key.keysym)) {
            handleKey(event.key.keysym.sym);
        }
    }
    keyState = platform.getKeyState(nullptr);
}
