// The checks that refuse an unplayable level: codes, actors, dots, warps, escapes and reach.
#include "rules/level_checks.h"

#include "actors/player_control.h"
#include "core/shared_types.h"
#include "maze/level_reach.h"

#include <array>
#include <string>

namespace {

constexpr int32_t lowestCode = Open;
constexpr int32_t highestCode = WallLast;

struct ActorCode {
    int32_t code;
    const char* name;
};

constexpr std::array<ActorCode, 5> actorCodes = {{
    {PlayerStart, "player start"},
    {RedHome, "red enemy's home"},
    {PurpleHome, "purple enemy's home"},
    {BlueHome, "blue enemy's home"},
    {YellowHome, "yellow enemy's home"},
}};

std::vector<int32_t> cellsHolding(const LevelCells& cells, int32_t code) {
    std::vector<int32_t> found;
    for (int32_t cell = 0; cell < static_cast<int32_t>(cells.size()); ++cell) {
        if (cells[cell] == code) {
            found.push_back(cell);
        }
    }
    return found;
}

std::string codeName(const ActorCode& actor) {
    return std::string(actor.name) + " (code " + std::to_string(actor.code) + ")";
}

bool isWarpTarget(const LevelCells& cells, int32_t cell) {
    return cell / mazeColumns >= warpTopRow && mayEnter(cells[cell], Walker::Player);
}

const char* pickupName(int32_t code) {
    if (isDotCode(code)) {
        return "dot";
    }
    if (code == PowerItem) {
        return "power item";
    }
    if (code == BombSiteMark) {
        return "bomb site";
    }
    return nullptr;
}

// Every cell some actor can get to: the player walking from its start or from wherever a warp
// may put it, and each enemy walking from its home.
std::vector<bool> cellsActorsReach(const LevelCells& cells) {
    std::vector<int32_t> playerStarts = cellsHolding(cells, PlayerStart);
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        if (isWarpTarget(cells, cell)) {
            playerStarts.push_back(cell);
        }
    }
    std::vector<int32_t> enemyHomes;
    for (const ActorCode& actor : actorCodes) {
        if (actor.code != PlayerStart) {
            const auto homes = cellsHolding(cells, actor.code);
            enemyHomes.insert(enemyHomes.end(), homes.begin(), homes.end());
        }
    }
    std::vector<bool> reached = reachableFrom(cells, playerStarts, Walker::Player);
    const std::vector<bool> enemyReached = reachableFrom(cells, enemyHomes, Walker::Enemy);
    for (size_t cell = 0; cell < reached.size(); ++cell) {
        reached[cell] = reached[cell] || enemyReached[cell];
    }
    return reached;
}

} // namespace

LevelProblems checkCodes(const LevelCells& cells) {
    LevelProblems problems;
    for (int32_t cell = 0; cell < static_cast<int32_t>(cells.size()); ++cell) {
        if (cells[cell] < lowestCode || cells[cell] > highestCode) {
            problems.push_back(
                problemAt(cell, "code " + std::to_string(cells[cell]) + " means nothing"));
        }
    }
    return problems;
}

LevelProblems checkActorsPlaced(const LevelCells& cells) {
    LevelProblems problems;
    for (const ActorCode& actor : actorCodes) {
        const std::vector<int32_t> found = cellsHolding(cells, actor.code);
        if (found.empty()) {
            problems.push_back(problemOfLevel("no " + codeName(actor)));
        }
        for (size_t extra = 1; extra < found.size(); ++extra) {
            problems.push_back(problemAt(found[extra], "one " + codeName(actor) +
                                                           " too many; a level holds exactly one"));
        }
    }
    return problems;
}

LevelProblems checkHasEdible(const LevelCells& cells) {
    for (const int32_t code : cells) {
        if (isDotCode(code)) {
            return {};
        }
    }
    return {problemOfLevel("no dot (codes 7 to 11 or 17): the level could never be won")};
}

LevelProblems checkWarpTarget(const LevelCells& cells) {
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        if (isWarpTarget(cells, cell)) {
            return {};
        }
    }
    return {problemOfLevel("no cell in rows 2 to 18 that is neither wall nor door: a warp "
                           "would have nowhere to land")};
}

LevelProblems checkEscapes(const LevelCells& cells) {
    const std::vector<bool> reached = cellsActorsReach(cells);
    LevelProblems problems;
    for (const int32_t row : {0, mazeRows - 1}) {
        const char* edge = row == 0 ? "top" : "bottom";
        for (int32_t column = 0; column < mazeColumns; ++column) {
            const int32_t cell = row * mazeColumns + column;
            if (reached[cell]) {
                problems.push_back(problemAt(cell, std::string("an actor can get here and walk "
                                                               "off the ") +
                                                       edge + " of the grid"));
            }
        }
    }
    return problems;
}

LevelProblems checkPlayerReach(const LevelCells& cells) {
    const std::vector<int32_t> starts = cellsHolding(cells, PlayerStart);
    if (starts.size() != 1) {
        return {}; // the placement check reports it; there is no one start to walk from
    }
    const std::vector<bool> reached = reachableFrom(cells, starts, Walker::Player);
    LevelProblems problems;
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        const char* name = pickupName(cells[cell]);
        if (name != nullptr && !reached[cell]) {
            problems.push_back(problemAt(cell, std::string(name) + " out of the player's reach"));
        }
    }
    return problems;
}

LevelProblems checkEnemyReach(const LevelCells& cells) {
    const std::vector<int32_t> starts = cellsHolding(cells, PlayerStart);
    if (starts.size() != 1) {
        return {};
    }
    LevelProblems problems;
    for (const ActorCode& actor : actorCodes) {
        if (actor.code == PlayerStart) {
            continue;
        }
        for (const int32_t home : cellsHolding(cells, actor.code)) {
            if (!reachableFrom(cells, {home}, Walker::Enemy)[starts.front()]) {
                problems.push_back(
                    problemAt(home, std::string(actor.name) +
                                        ": that enemy can never reach the player's start"));
            }
        }
    }
    return problems;
}

LevelProblems checkLevel(const LevelCells& cells) {
    LevelProblems problems;
    for (const auto check : {checkCodes, checkActorsPlaced, checkHasEdible, checkWarpTarget,
                             checkEscapes, checkPlayerReach, checkEnemyReach}) {
        LevelProblems found = check(cells);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems;
}
