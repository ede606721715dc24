// Checking a folder of mazes before it is played: every file whole and sound, or none of them.
#include "app/level_set.h"

#include "core/game_state.h"
#include "core/report.h"
#include "maze/maze_grid.h"
#include "rules/playable.h"

#include <cerrno>
#include <cstring>

bool useLevelSet(const std::string& folder, bool fromCodes) {
    LevelSet set{folder, 0};
    bool playable = true;
    for (int32_t level = 1; level <= shippedLevels; ++level) {
        const std::string path = levelFileName(level, folder);
        std::string text;
        if (!readLevelText(path, text)) {
            if (level == 1) {
                warn("%s: cannot read %s: %s", folder.c_str(), levelFileName(level, "").c_str(),
                     errno != 0 ? std::strerror(errno) : "unreadable");
                return false;
            }
            break;
        }
        for (const LevelProblem& problem : checkLevelText(text)) {
            const std::string name = fromCodes ? "maze " + std::to_string(level) : path;
            warn("%s", describeProblem(name, problem).c_str());
            playable = false;
        }
        set.count = level;
    }
    // The chase check played the enemies on the live maze: the game starts from scratch.
    resetScalarGlobals();
    if (playable) {
        levelSet = set;
    }
    return playable;
}
