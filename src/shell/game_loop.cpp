// The game's driver: start-up in its fixed order, the frame loop in its fixed step order,
// and shutdown.
#include "shell/game_loop.h"

#include "actors/actor.h"
#include "actors/contacts.h"
#include "actors/enemy_movement.h"
#include "actors/player_control.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/tile_bank.h"
#include "maze/bombs.h"
#include "maze/level_build.h"
#include "maze/level_progression.h"
#include "screens/hud.h"
#include "shell/command_line.h"
#include "shell/demo_session.h"
#include "shell/game_state.h"
#include "shell/pacing.h"
#include "shell/platform.h"
#include "shell/video.h"

void startGame() {
    initVideo();
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
        if (levelNumber >= lastLevel) {
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

void drawActors() {
    player.draw();
    // A knocked-out player spins alone: the enemies vanish until everyone is back home.
    if (player.state != Punched) {
        for (Actor* enemy : enemies) {
            enemy->draw();
        }
    }
    platform.flip(screen);
}

void shutdownGame() {
    soundBank.closeSounds();
    releaseGlobalObjects();
}

void runFrames() {
    while (quitRequested == 0) {
        waitForFrameEnd(runFrameSteps());
    }
}

int runGame(int argc, char* argv[]) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Play:
        break;
    case CommandLine::Record:
        return recordGame(commandLine.demoPath);
    case CommandLine::Replay:
        return replayGame(commandLine.demoPath, commandLine.realtime, commandLine.pictures);
    default:
        return answerCommandLine(commandLine);
    }
    startGame();
    runFrames();
    shutdownGame();
    return exitStatus;
}
