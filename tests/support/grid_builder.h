// A small playable level for the tests, written as a map like the level sources, and helpers
// to change single cells of it.
#pragma once

#include "core/shared_types.h"
#include "maze/map_convert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Row 2 is the player's corridor, the pen lies below it (door at row 3, column 10), row 6 is
// reached down columns 1 and 23, and row 8 is a dead end from column 1 whose east part is
// reached only through the horizontal wrap. The rows below are closed-off floor.
inline std::vector<std::string> smallLevelMap() {
    return {
        "#########################", //  1
        "#P........R...........o.#", //  2
        "#.########-############.#", //  3
        "#.#1_2_3_____________#..#", //  4
        "#.####################.##", //  5
        "#.......................#", //  6
        "#.#######################", //  7
        "...........#..........B..", //  8
        "#########################", //  9
        "#_______________________#", // 10
        "#########################", // 11
        "#_______________________#", // 12
        "#########################", // 13
        "#_______________________#", // 14
        "#########################", // 15
        "#_______________________#", // 16
        "#########################", // 17
        "#########################", // 18
    };
}

inline std::vector<int32_t> convertMapOrFail(const std::vector<std::string>& map) {
    MapConversion conversion = convertMap(map);
    EXPECT_TRUE(conversion.errors.empty()) << conversion.errors.front();
    return conversion.cells;
}

inline std::vector<int32_t> smallLevel() {
    return convertMapOrFail(smallLevelMap());
}

inline int32_t cellOf(int32_t row, int32_t column) {
    return row * mazeColumns + column;
}
