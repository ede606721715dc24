// The checks that tell whether a level grid can be played. Each returns the problems it finds.
#pragma once

#include "maze/level_problem.h"

using LevelCells = std::vector<int32_t>; // mazeCells codes in cell order

LevelProblems checkCodes(const LevelCells& cells);        // codes outside 0 … 35
LevelProblems checkActorsPlaced(const LevelCells& cells); // one start and one of each home
LevelProblems checkHasEdible(const LevelCells& cells);    // something to eat
LevelProblems checkWarpTarget(const LevelCells& cells);   // somewhere for a warp to land
LevelProblems checkEscapes(const LevelCells& cells);      // no way off the top or bottom
LevelProblems checkPlayerReach(const LevelCells& cells);  // every pickup within reach
LevelProblems checkEnemyReach(const LevelCells& cells);   // every enemy can get to the player

// All of the above, in that order.
LevelProblems checkLevel(const LevelCells& cells);
