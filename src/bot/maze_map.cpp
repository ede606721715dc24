// Cells, steps and distances over the live maze grid.
#include "bot/maze_map.h"

#include "actors/actor.h"
#include "actors/player_control.h"
#include "core/game_state.h"
#include "maze/maze_grid.h"

namespace autopilot {

namespace {

constexpr int32_t headings[] = {North, South, West, East};

} // namespace

Cell actorCell(const Actor& actor) {
    // The side wrap can leave an actor a step beyond either edge: the game's own wrap says
    // which side it belongs to.
    Actor probe = actor;
    wrapHorizontally(probe);
    const int32_t column = ((probe.x + tileSize / 2) / tileSize) % mazeColumns;
    const int32_t row = (probe.y + tileSize / 2) / tileSize;
    return MazeGrid::inside(row, column) ? cellOf(row, column) : noCell;
}

bool onCellCorner(const Actor& actor) {
    return actor.x % tileSize == 0 && actor.y % tileSize == 0;
}

bool walkable(Cell cell, Walker walker) {
    if (cell == noCell) {
        return false;
    }
    return mayEnter(mazeGrid.at(rowOf(cell), columnOf(cell)), walker);
}

namespace {

Cell computeNeighbour(Cell cell, int32_t heading) {
    int32_t row = rowOf(cell);
    int32_t column = columnOf(cell);
    switch (heading) {
    case North:
        --row;
        break;
    case South:
        ++row;
        break;
    case West:
        column = (column + mazeColumns - 1) % mazeColumns;
        break;
    case East:
        column = (column + 1) % mazeColumns;
        break;
    default:
        return noCell;
    }
    return MazeGrid::inside(row, column) ? cellOf(row, column) : noCell;
}

// The grid's shape never changes, so the steps are worked out once.
const std::array<std::array<Cell, 4>, mazeCells> steps = [] {
    std::array<std::array<Cell, 4>, mazeCells> table{};
    for (Cell cell = 0; cell < mazeCells; ++cell) {
        for (int32_t heading : headings) {
            table[cell][heading] = computeNeighbour(cell, heading);
        }
    }
    return table;
}();

} // namespace

Cell neighbour(Cell cell, int32_t heading) {
    return cell >= 0 && cell < mazeCells && heading >= North && heading <= East
               ? steps[cell][heading]
               : noCell;
}

int32_t headingBetween(Cell from, Cell to) {
    for (int32_t heading : headings) {
        if (neighbour(from, heading) == to) {
            return heading;
        }
    }
    return None;
}

DistanceField distancesFrom(const std::vector<Cell>& sources, Walker walker,
                            const DistanceField* extraCost) {
    DistanceField distance;
    distance.fill(unreachable);
    // Dial's buckets: every step costs between 1 and maxStepCost, so a ring of that many
    // buckets holds all open cells, and cells come out in order of distance.
    // Kept between calls so its buckets keep their memory; every call leaves them empty.
    static std::array<std::vector<Cell>, maxStepCost + 1> ring;
    int32_t open = 0;
    for (Cell source : sources) {
        if (source != noCell && distance[source] != 0) {
            distance[source] = 0;
            ring[0].push_back(source);
            ++open;
        }
    }
    for (int32_t steps = 0; open > 0; ++steps) {
        std::vector<Cell>& bucket = ring[steps % ring.size()];
        for (size_t i = 0; i < bucket.size(); ++i) {
            const Cell cell = bucket[i];
            --open;
            if (distance[cell] != steps) {
                continue;
            }
            for (int32_t heading : headings) {
                const Cell next = neighbour(cell, heading);
                if (!walkable(next, walker)) {
                    continue;
                }
                const int32_t extra = extraCost != nullptr ? (*extraCost)[next] : 0;
                if (extra >= unreachable) {
                    continue;
                }
                const int32_t total = steps + 1 + extra;
                if (total < distance[next]) {
                    distance[next] = total;
                    ring[total % ring.size()].push_back(next);
                    ++open;
                }
            }
        }
        bucket.clear();
    }
    return distance;
}

int32_t firstHeadingToward(Cell from, Cell goal, const DistanceField& fromStart) {
    if (goal == noCell || goal == from || fromStart[goal] >= unreachable) {
        return None;
    }
    // Walk back from the goal along falling distances until the next cell is the start.
    Cell cell = goal;
    while (fromStart[cell] > 0) {
        Cell best = noCell;
        for (int32_t heading : headings) {
            const Cell previous = neighbour(cell, heading);
            if (previous != noCell && fromStart[previous] < fromStart[cell] &&
                (best == noCell || fromStart[previous] < fromStart[best])) {
                best = previous;
            }
        }
        if (best == noCell) {
            return None;
        }
        if (best == from) {
            return headingBetween(from, cell);
        }
        cell = best;
    }
    return None;
}

} // namespace autopilot
