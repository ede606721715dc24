// Which cells of a level an actor can walk to, by the game's own walking rule (maze/reach.h),
// on a level's cells rather than on the live maze.
#pragma once

#include "maze/reach.h"

#include <cstdint>
#include <vector>

// Marks every cell the walker reaches from any of the start cells; cells must hold mazeCells
// codes. See cellsReached for the steps and the side wrap.
std::vector<bool> reachableFrom(const std::vector<int32_t>& cells,
                                const std::vector<int32_t>& starts, Walker walker);
