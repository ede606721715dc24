// The benchmarks' shared set-up and walker.
#include "bench_play.h"

#include "actors/actor.h"
#include "app/level_progression.h"
#include "assets/front_end.h"
#include "assets/image_loader.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "platform/video.h"
#include "rules/level_setup.h"

#include <SDL.h>
#include <algorithm>

void loadEverything() {
    initVideo(&loadWindowIcon);
    tileBank.loadTiles();
    soundBank.loadSounds();
    frontEnd.initFrontEnd();
    loadActorSprites();
    startNextLevel();
}

void steer(int frame) {
    const SDLKey arrows[] = {SDLK_RIGHT, SDLK_DOWN, SDLK_LEFT, SDLK_UP};
    Uint8* keys = SDL_GetKeyState(nullptr);
    for (SDLKey key : arrows) {
        keys[key] = 0;
    }
    keys[arrows[(frame / 40) % 4]] = 1;
    player.lives = std::max(player.lives, 2);
    if (ediblesLeft < 10) {
        loadLevel(1);
    }
}
