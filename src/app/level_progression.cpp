// Level progression: the tally of the level just won, the next level's music, and the level.
#include "app/level_progression.h"

#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "maze/maze_grid.h"
#include "rules/level_setup.h"

void startNextLevel() {
    if (levelNumber != 0) {
        frontEnd.runLevelTally();
    }
    const int32_t finished = levelNumber;
    ++levelNumber;
    if (finished >= 0 && finished < levelSet.count) {
        soundBank.playSound(MusicLevel1 + finished);
    }
    restartLevel(levelNumber);
}
