// The chase check steps the game's own enemies (moveEnemy, the probe and the release timers)
// headless on the level: no window is open, so building the level draws nothing.
#include "rules/chase_check.h"

#include "actors/actor.h"
#include "actors/enemy_movement.h"
#include "core/game_state.h"
#include "maze/level_reach.h"
#include "maze/maze_drawing.h"
#include "maze/maze_grid.h"
#include "rules/contacts.h"
#include "rules/level_setup.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr int32_t enemyCount = static_cast<int32_t>(std::size(enemies));
constexpr std::array<int32_t, enemyCount> homeCodes = {RedHome, PurpleHome, BlueHome, YellowHome};
// A level is refused when an enemy catches a standing player on fewer than two cells in three.
constexpr int32_t leastCaughtNumerator = 2;
constexpr int32_t leastCaughtDenominator = 3;

const char* enemyName(int32_t homeCode) {
    switch (homeCode) {
    case RedHome:
        return "red";
    case PurpleHome:
        return "purple";
    case BlueHome:
        return "blue";
    default:
        return "yellow";
    }
}

// Starts the level as the game does after the intro menu or a tally, which both leave the
// red enemy heading east; then puts a still player on the given cell.
void startLevelWithPlayerOn(const LevelCells& cells, int32_t playerCell) {
    std::copy(cells.begin(), cells.end(), mazeGrid.cells.begin());
    redEnemy.direction = East;
    buildLevel();
    startEnemyReleaseTimers();
    player.state = Active;
    player.direction = None;
    player.x = playerCell % mazeColumns * tileSize;
    player.y = playerCell / mazeColumns * tileSize;
}

// The first frame on which each enemy, walking by the game's rules, touches the still player
// while active (and so would knock it out), or -1 when it has not within the frame limit.
std::array<int32_t, enemyCount> framesToCatch(const LevelCells& cells, int32_t playerCell) {
    startLevelWithPlayerOn(cells, playerCell);
    std::array<int32_t, enemyCount> caughtAt;
    caughtAt.fill(-1);
    int32_t uncaught = enemyCount;
    for (int32_t frame = 1; frame <= chaseFrameLimit && uncaught > 0; ++frame) {
        for (Actor* enemy : enemies) {
            if (enemy->state != Flung) {
                moveEnemy(*enemy);
            }
        }
        for (int32_t i = 0; i < enemyCount; ++i) {
            if (caughtAt[i] < 0 && enemies[i]->state == Active &&
                actorsTouch(player, *enemies[i])) {
                caughtAt[i] = frame;
                --uncaught;
            }
        }
        for (Actor* enemy : enemies) {
            enemy->tickStateTimer();
        }
    }
    return caughtAt;
}

} // namespace

std::vector<ChaseCoverage> measureChase(const LevelCells& cells) {
    const auto start = std::find(cells.begin(), cells.end(), PlayerStart);
    if (cells.size() != static_cast<size_t>(mazeCells) || start == cells.end()) {
        return {};
    }
    const std::vector<bool> walkable =
        reachableFrom(cells, {static_cast<int32_t>(start - cells.begin())}, Walker::Player);
    std::vector<ChaseCoverage> report(enemyCount);
    for (int32_t i = 0; i < enemyCount; ++i) {
        report[i].homeCode = homeCodes[i];
    }
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        if (!walkable[cell]) {
            continue;
        }
        const std::array<int32_t, enemyCount> caughtAt = framesToCatch(cells, cell);
        for (int32_t i = 0; i < enemyCount; ++i) {
            ++report[i].places;
            if (caughtAt[i] >= 0) {
                ++report[i].caught;
            } else {
                report[i].missed.push_back(cell);
            }
        }
    }
    return report;
}

LevelProblems checkChase(const LevelCells& cells) {
    LevelProblems problems;
    for (const ChaseCoverage& coverage : measureChase(cells)) {
        if (coverage.caught * leastCaughtDenominator < coverage.places * leastCaughtNumerator) {
            problems.push_back(problemOfLevel(
                std::string(enemyName(coverage.homeCode)) + " enemy catches a standing player " +
                "on only " + std::to_string(coverage.caught) + " of " +
                std::to_string(coverage.places) +
                " cells: the maze's steering marks do not bring it to the player"));
        }
    }
    return problems;
}

std::string describeCoverage(const ChaseCoverage& coverage) {
    std::string line = std::string(enemyName(coverage.homeCode)) +
                       " enemy catches a standing player on " + std::to_string(coverage.caught) +
                       " of " + std::to_string(coverage.places) + " cells";
    if (!coverage.missed.empty()) {
        line += "; not on";
        for (const int32_t cell : coverage.missed) {
            line += " (" + std::to_string(cell / mazeColumns) + "," +
                    std::to_string(cell % mazeColumns) + ")";
        }
    }
    return line;
}
