// The player's keys: the command keys from the event queue (quit, pause, warp, give up, bomb)
// and walking from the arrows held down; also the walking step and wrap every actor shares.
#include "actors/player_control.h"

#include "actors/actor.h"
#include "actors/probe.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "maze/bombs.h"
#include "shell/full_screen.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <cstdlib>

namespace {

constexpr int32_t warpTopY = warpTopRow * tileSize;

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

bool stepActor(Actor& actor) {
    switch (actor.direction) {
    case North:
        if (probeMaze(actor.x, actor.y - walkStep)) {
            return true;
        }
        actor.moveUp();
        return false;
    case South:
        if (probeMaze(actor.x, actor.y + walkStep)) {
            return true;
        }
        actor.moveDown();
        return false;
    case West:
        if (probeMaze(actor.x - walkStep, actor.y)) {
            return true;
        }
        actor.moveLeft();
        return false;
    case East:
        if (probeMaze(actor.x + walkStep, actor.y)) {
            return true;
        }
        actor.moveRight();
        return false;
    default:
        return false;
    }
}

void wrapHorizontally(Actor& actor) {
    if (actor.x < 0) {
        actor.x = lastColumnX;
    } else if (actor.x >= lastColumnX) {
        actor.x = 0;
    }
}

bool warpPlayer() {
    const int32_t oldX = player.x;
    const int32_t oldY = player.y;
    for (int32_t draw = 0; draw < warpMaxDraws; ++draw) {
        const int32_t x = (std::rand() % mazeColumns) * tileSize;
        int32_t y = (std::rand() % mazeRows) * tileSize;
        if (y < warpTopY) {
            y = warpTopY;
        }
        player.setX(x);
        player.setY(y);
        // The probe at the player's new place also eats whatever lies there.
        if (!probeMaze(x, y)) {
            soundBank.playSound(SfxWarp);
            --player.warps;
            return true;
        }
    }
    player.setX(oldX);
    player.setY(oldY);
    return false;
}

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

void movePlayer() {
    auto held = [](SDLKey key) { return keyState != nullptr && keyState[key] != 0; };
    if (held(SDLK_UP) && !probeMaze(player.x, player.y - walkStep)) {
        player.direction = North;
    }
    if (held(SDLK_DOWN) && !probeMaze(player.x, player.y + walkStep)) {
        player.direction = South;
    }
    if (held(SDLK_LEFT) && !probeMaze(player.x - walkStep, player.y)) {
        player.direction = West;
    }
    if (held(SDLK_RIGHT) && !probeMaze(player.x + walkStep, player.y)) {
        player.direction = East;
    }
    stepActor(player);
    wrapHorizontally(player);
}
