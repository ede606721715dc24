// One maze played by the bot in a folder of its own, as the game plays a player's set.
#include "bot/maze_verdict.h"

#include "app/level_set.h"
#include "app/maze_codes.h"
#include "bot/driver.h"
#include "core/report.h"
#include "maze/maze_grid.h"

#include <filesystem>

namespace autopilot {

MazeVerdict playMazeAlone(const std::string& levelText, const std::string& runDirectory,
                          int32_t frameLimit) {
    MazeVerdict verdict;
    const std::string folder = writeLevelFolder({levelText});
    if (folder.empty()) {
        return verdict;
    }
    std::error_code error;
    const std::filesystem::path before = std::filesystem::current_path(error);
    std::filesystem::current_path(runDirectory, error);
    if (error) {
        warn("cannot enter %s: %s", runDirectory.c_str(), error.message().c_str());
    } else {
        const LevelSet previous = levelSet;
        if (useLevelSet(folder)) {
            prepareBotGame();
            const RunResult result = playWholeGame(frameLimit);
            endBotGame();
            verdict.played = true;
            verdict.won = result.won;
            for (const LevelRecord& level : result.report.levels()) {
                verdict.frames += level.frames;
                verdict.livesLost += level.livesLost;
            }
        }
        levelSet = previous;
        std::filesystem::current_path(before, error);
    }
    removeCodeLevels(folder);
    return verdict;
}

} // namespace autopilot
