// Choosing the wall piece that joins a wall cell to its walled neighbours.
#pragma once

#include <cstdint>
#include <optional>

// Which of a wall cell's four neighbours it joins.
struct WallJoins {
    bool north = false;
    bool south = false;
    bool west = false;
    bool east = false;
};

// The piece drawn for a wall cell with the given joins, or nothing for a cell joined on all
// four sides: the family has no cross piece, so mazes keep their walls one tile thick.
std::optional<int32_t> wallPieceFor(WallJoins joins);
