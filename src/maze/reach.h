// Which cells of the maze the player can walk to from where he stands.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "maze/maze_grid.h"

// Whether the player may step onto a cell holding this code: walls and the pen's door stop him.
constexpr bool playerMayEnter(int32_t code) {
    return !isWallCode(code) && code != Door;
}

using ReachedCells = std::array<bool, mazeCells>; // indexed by row * mazeColumns + column

// Marks every cell the player reaches from the start cells (cell indices) by steps to the four
// neighbours. A step west from column 0 or east from column 24 comes back in on the other side
// of the same row; nothing leads above row 0 or below row 18. The start cells count as reached
// whatever they hold; indices outside the grid are ignored.
ReachedCells cellsPlayerReaches(const MazeGrid& grid, const std::vector<int32_t>& startCells);
