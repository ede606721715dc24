// Which cells the player or an enemy can walk to, by steps to the four neighbours.
#include "maze_reach.h"

#include "shell/shared_types.h"

#include <array>
#include <cstddef>

bool canEnter(int32_t code, Walker walker) {
    if (isWallCode(code)) {
        return false;
    }
    return walker == Walker::Enemy || code != Door;
}

std::vector<bool> reachableFrom(const std::vector<int32_t>& cells,
                                const std::vector<int32_t>& starts, Walker walker) {
    std::vector<bool> reached(cells.size(), false);
    std::vector<int32_t> queue;
    for (const int32_t start : starts) {
        if (!reached[start]) {
            reached[start] = true;
            queue.push_back(start);
        }
    }
    constexpr std::array<std::array<int32_t, 2>, 4> steps = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    for (size_t next = 0; next < queue.size(); ++next) {
        const int32_t row = queue[next] / mazeColumns;
        const int32_t column = queue[next] % mazeColumns;
        for (const auto& [rowStep, columnStep] : steps) {
            const int32_t toRow = row + rowStep;
            const int32_t toColumn = (column + columnStep + mazeColumns) % mazeColumns;
            if (toRow < 0 || toRow >= mazeRows) {
                continue;
            }
            const int32_t to = toRow * mazeColumns + toColumn;
            if (!reached[to] && canEnter(cells[to], walker)) {
                reached[to] = true;
                queue.push_back(to);
            }
        }
    }
    return reached;
}
