// The walkable cells, found by a breadth-first walk over the grid.
#include "maze/reach.h"

ReachedCells cellsReached(const int32_t* cells, const std::vector<int32_t>& startCells,
                          Walker walker) {
    ReachedCells reached{};
    std::vector<int32_t> queue;
    queue.reserve(mazeCells);
    for (const int32_t start : startCells) {
        if (start >= 0 && start < mazeCells && !reached[start]) {
            reached[start] = true;
            queue.push_back(start);
        }
    }
    constexpr int32_t steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (size_t next = 0; next < queue.size(); ++next) {
        const int32_t row = queue[next] / mazeColumns;
        const int32_t column = queue[next] % mazeColumns;
        for (const auto& step : steps) {
            const int32_t toRow = row + step[0];
            const int32_t toColumn = (column + step[1] + mazeColumns) % mazeColumns;
            const int32_t to = toRow * mazeColumns + toColumn;
            if (MazeGrid::inside(toRow, toColumn) && !reached[to] && mayEnter(cells[to], walker)) {
                reached[to] = true;
                queue.push_back(to);
            }
        }
    }
    return reached;
}

ReachedCells cellsPlayerReaches(const MazeGrid& grid, const std::vector<int32_t>& startCells) {
    return cellsReached(grid.cells.data(), startCells, Walker::Player);
}
