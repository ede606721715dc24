// The one maze test every move goes through, and where the player eats.
#pragma once

#include <cstdint>

// Tests whether a 32 x 32 box with its top-left corner at (x, y) is blocked by the maze. When
// the box is at the player's own position or one step from it, the player also takes what lies
// under it, and the door blocks it. Cells outside the grid are wall.
bool probeMaze(int32_t x, int32_t y);
