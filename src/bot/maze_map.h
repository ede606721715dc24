// The maze as the bot plans on it: cells, who may stand on them, the four steps out of a cell
// (with the wrap at the side edges) and breadth-first distances.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "actors/actor.h"
#include "core/shared_types.h"
#include "maze/reach.h"

namespace autopilot {

using Cell = int32_t; // row * mazeColumns + column, or noCell
constexpr Cell noCell = -1;
constexpr int32_t unreachable = 1 << 20;

using DistanceField = std::array<int32_t, mazeCells>;

constexpr Cell cellOf(int32_t row, int32_t column) {
    return row * mazeColumns + column;
}
constexpr int32_t rowOf(Cell cell) {
    return cell / mazeColumns;
}
constexpr int32_t columnOf(Cell cell) {
    return cell % mazeColumns;
}

// The cell an actor mostly covers.
Cell actorCell(const Actor& actor);

// Whether the actor stands exactly on a cell, where every way out can be taken.
bool onCellCorner(const Actor& actor);

// Whether the walker can stand on the cell in the current maze: the player stops at the door.
bool walkable(Cell cell, Walker walker);

// The cell one step away in a heading, wrapping at the side edges; noCell off the top or bottom.
Cell neighbour(Cell cell, int32_t heading);

// The heading that leads from a cell to a neighbouring one, or None.
int32_t headingBetween(Cell from, Cell to);

// The most an extra cost may add to one step.
constexpr int32_t maxExtraCost = 15;
constexpr int32_t maxStepCost = 1 + maxExtraCost;

// Steps from the sources to every cell. Cells whose cost is unreachable are never entered;
// entering a cell costs 1 plus its extra cost (at most maxExtraCost).
DistanceField distancesFrom(const std::vector<Cell>& sources, Walker walker,
                            const DistanceField* extraCost = nullptr);

// The first heading of a cheapest way from a cell to a goal, following the field walked back
// from the goal; None when the goal is unreachable or is the cell itself.
int32_t firstHeadingToward(Cell from, Cell goal, const DistanceField& fromStart);

} // namespace autopilot
