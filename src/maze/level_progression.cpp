// Level progression: which file a level comes from, and what a level starts with.
#include "maze/level_progression.h"

#include "actors/actor.h"
#include "actors/enemy_release.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "maze/level_build.h"
#include "maze/maze_grid.h"
#include "shell/game_state.h"
#include "shell/platform.h"

#include <iterator>

std::string levelFileName(int32_t level) {
    return "level" + std::to_string(level) + ".txt";
}

void startEnemyReleaseTimers() {
    for (size_t i = 0; i < std::size(enemies); ++i) {
        const int32_t frames = levelReleaseFrames[i];
        enemies[i]->setTimedState(frames == 0 ? Active : Penned, frames, Active);
    }
}

void startNextLevel() {
    if (levelNumber != 0) {
        frontEnd.runLevelTally();
    }
    const int32_t finished = levelNumber;
    ++levelNumber;
    if (finished >= 0 && finished < lastLevel) {
        soundBank.playSound(MusicLevel1 + finished);
    }
    restartLevel(levelNumber);
}

void restartLevel(int32_t level) {
    player.bombs = 0;
    player.score = 0;
    player.warps = warpsPerLevel;
    if (player.lives < livesAtStart) {
        player.lives = livesAtStart;
    }
    startEnemyReleaseTimers();
    loadLevel(level);
}

void loadLevel(int32_t level) {
    // Without a maze there is nothing to play: the old level's eaten grid would read as won.
    if (!readLevelFile(levelFileName(level))) {
        quitRequested = 1;
        exitStatus = 1;
        return;
    }
    buildLevel();
    levelStartTicks = platform.getTicks();
    hudLabelsDrawn = false;
}
