// Which cells of the maze an actor can walk to: the one walking rule that the warp, levelcheck
// and the autopilot all use.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "maze/maze_grid.h"

enum class Walker {
    Player, // stopped by walls and by the pen's door
    Enemy,  // stopped by walls only: enemies pass the door
};

// Whether the walker may step onto a cell holding this code.
constexpr bool mayEnter(int32_t code, Walker walker) {
    return !isWallCode(code) && (walker == Walker::Enemy || code != Door);
}

constexpr bool playerMayEnter(int32_t code) {
    return mayEnter(code, Walker::Player);
}

using ReachedCells = std::array<bool, mazeCells>; // indexed by row * mazeColumns + column

// Marks every cell the walker reaches from the start cells (cell indices) by steps to the four
// neighbours over the given cell codes (mazeCells of them, in cell order). A step west from
// column 0 or east from column 24 comes back in on the other side of the same row; nothing
// leads above row 0 or below row 18. The start cells count as reached whatever they hold;
// indices outside the grid are ignored.
ReachedCells cellsReached(const int32_t* cells, const std::vector<int32_t>& startCells,
                          Walker walker);

// The same for the player on the live maze.
ReachedCells cellsPlayerReaches(const MazeGrid& grid, const std::vector<int32_t>& startCells);
