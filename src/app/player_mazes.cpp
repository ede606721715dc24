// From a player's --levels or --maze to the set of mazes the game plays.
#include "app/player_mazes.h"

#include "app/level_set.h"
#include "app/maze_codes.h"
#include "core/report.h"

#include <filesystem>

int withPlayerMazes(const std::string& levels, const std::string& codes,
                    const std::function<int()>& play) {
    std::string folder = levels;
    std::string allCodes = codes;
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_regular_file(folder, error)) {
        if (!readCodeFile(folder, allCodes) || allCodes.empty()) {
            warn("%s: cannot read maze codes from it", folder.c_str());
            return unplayableLevelsStatus;
        }
        folder.clear();
    }
    std::string made;
    if (!allCodes.empty()) {
        made = levelsFromCodes(allCodes);
        if (made.empty()) {
            return unplayableLevelsStatus;
        }
        folder = made;
    }
    const int status = useLevelSet(folder, !made.empty()) ? play() : unplayableLevelsStatus;
    if (!made.empty()) {
        removeCodeLevels(made);
    }
    return status;
}
