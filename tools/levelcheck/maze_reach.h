// Which cells of a level an actor can walk to.
#pragma once

#include <cstdint>
#include <vector>

enum class Walker {
    Player, // stopped by walls and by the door
    Enemy,  // stopped by walls only
};

bool canEnter(int32_t code, Walker walker);

// Marks every cell the walker reaches from any of the start cells by steps to the four
// neighbours; a step west from column 0 or east from column 24 wraps to the other edge of the
// same row. There is no vertical wrap: the rows above 0 and below 18 are not cells.
std::vector<bool> reachableFrom(const std::vector<int32_t>& cells,
                                const std::vector<int32_t>& starts, Walker walker);
