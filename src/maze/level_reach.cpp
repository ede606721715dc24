// levelcheck's view of the game's reach walk: a level's cells in, one flag per cell out.
#include "maze/level_reach.h"

std::vector<bool> reachableFrom(const std::vector<int32_t>& cells,
                                const std::vector<int32_t>& starts, Walker walker) {
    if (cells.size() != static_cast<size_t>(mazeCells)) {
        return std::vector<bool>(cells.size(), false);
    }
    const ReachedCells reached = cellsReached(cells.data(), starts, walker);
    return std::vector<bool>(reached.begin(), reached.end());
}
