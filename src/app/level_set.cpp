// Checking a folder of mazes before it is played: every file whole and sound, or none of them.
#include "app/level_set.h"

#include "core/game_state.h"
#include "core/report.h"
#include "maze/maze_grid.h"
#include "rules/playable.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// The level's file of the folder as text; false when it cannot be opened.
bool readSetFile(const std::string& path, std::string& text) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

bool useLevelSet(const std::string& folder) {
    LevelSet set{folder, 0};
    bool playable = true;
    for (int32_t level = 1; level <= shippedLevels; ++level) {
        const std::string name = "level" + std::to_string(level) + ".txt";
        std::string text;
        if (!readSetFile(folder + "/" + name, text)) {
            if (level == 1) {
                warn("%s: cannot read %s: %s", folder.c_str(), name.c_str(),
                     errno != 0 ? std::strerror(errno) : "unreadable");
                return false;
            }
            break;
        }
        for (const LevelProblem& problem : checkLevelText(text)) {
            warn("%s", describeProblem(folder + "/" + name, problem).c_str());
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
