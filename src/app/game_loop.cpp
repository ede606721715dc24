// The game's driver: start-up in its fixed order, the frame loop in its fixed step order,
// and shutdown.
#include "app/game_loop.h"

#include "app/key_handling.h"
#include "app/level_progression.h"

#include "actors/actor.h"
#include "actors/enemy_movement.h"
#include "actors/player_control.h"
#include "assets/front_end.h"
#include "assets/image_loader.h"
#include "assets/sound_bank.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "maze/maze_drawing.h"
#include "maze/maze_grid.h"
#include "platform/gamepad.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "rules/bombs.h"
#include "rules/contacts.h"
#include "screens/hud.h"

void startGame() {
    initVideo(&loadWindowIcon);
    openGamepad();
    tileBank.loadTiles();
    powerFrame = 0;
    soundBank.loadSounds();
    frontEnd.initFrontEnd();
    loadActorSprites();
    frontEnd.runIntroMenu();
    // Level 1 is set up even when the player quit in the menu; no frame of it runs then.
    startNextLevel();
}

Uint32 runFrameSteps() {
    prevLives = player.lives;
    prevBombs = player.bombs;
    prevScore = player.score;
    prevWarps = player.warps;
    const Uint32 frameStart = platform.getTicks();
    if (ediblesLeft == 0) {
        if (levelNumber >= levelSet.count) {
            frontEnd.runVictory();
        } else {
            startNextLevel();
        }
        // A level that could not be read ends the game before anything of it is drawn.
        if (exitStatus != 0) {
            return frameStart;
        }
    }
    drawMaze();
    handleEvents();
    advancePlay();
    updateBombs();
    frontEnd.tickBanner();
    drawHud();
    drawActors();
    platform.flip(screen);
    if (player.lives <= 0) {
        frontEnd.runGameOver();
    }
    return frameStart;
}

void advancePlay() {
    if (player.state == Active) {
        movePlayer();
        for (Actor* enemy : enemies) {
            if (enemy->state != Flung) {
                moveEnemy(*enemy);
            }
        }
    } else if (player.state == Punched) {
        updatePunchedPlayer();
    }
    resolveContacts();
    for (Actor* enemy : enemies) {
        enemy->tickStateTimer();
    }
}

void shutdownGame() {
    soundBank.closeSounds();
    closeGamepad();
    releaseGlobalObjects();
}

void runFrames() {
    while (quitRequested == 0) {
        waitForFrameEnd(runFrameSteps());
    }
}
