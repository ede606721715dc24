// How well the enemies of a level chase a player who stands still somewhere in the maze,
// measured by running the game's own enemy movement on the level.
#pragma once

#include "rules/level_checks.h"

#include <cstdint>
#include <string>
#include <vector>

struct ChaseCoverage {
    int32_t homeCode = 0;
    int32_t places = 0; // cells the player can walk to from its start
    int32_t caught = 0; // of those, where the enemy touches the standing player in time
    std::vector<int32_t> missed;
};

// Frames an enemy gets to catch the player: 40 seconds of play.
constexpr int32_t chaseFrameLimit = 1430;

// For each of the four enemies, tries a standing player on every cell it can walk to.
std::vector<ChaseCoverage> measureChase(const LevelCells& cells);

// An enemy that catches a standing player on fewer than two cells in three is not steered
// by the maze's marks; such a level is refused.
LevelProblems checkChase(const LevelCells& cells);

std::string describeCoverage(const ChaseCoverage& coverage);
