#include "maze/level_progression.h"

#include "maze/level_build.h"
#include "shell/game_state.h"
#include "shell/platform.h"

namespace {

constexpr int32_t levelStartLives = 3;
constexpr int32_t levelStartWarps = 3;

} // namespace

std::string levelFileName(int32_t level) {
    return "level" + std::to_string(level) + ".txt";
}

void startEnemyReleaseTimers() {
    redEnemy.setTimedState(Active, 0, Active);
    purpleEnemy.setTimedState(Penned, 50, Active);
    blueEnemy.setTimedState(Penned, 100, Active);
    yellowEnemy.setTimedState(Penned, 150, Active);
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
    player.bombs = 0;
    player.score = 0;
    player.warps = levelStartWarps;
    if (player.lives < levelStartLives) {
        player.lives = levelStartLives;
    }
    startEnemyReleaseTimers();
    loadLevel(levelNumber);
}

void loadLevel(int32_t level) {
    readLevelFile(levelFileName(level));
    buildLevel();
    levelStartTicks = platform.getTicks();
}
