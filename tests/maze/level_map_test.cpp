// levelToMap undoes the map converter: each shipped level and its map round-trip both ways.
#include "core/shared_types.h"
#include "maze/level_map.h"
#include "maze/level_text.h"
#include "maze/map_convert.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(std::string(TAMBERLO_SOURCE_DIR) + "/data/levels/" + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LevelToMap, TheShippedLevelsAndMapsRoundTripBothWaysAndStrangeCellsGiveNothing) {
    for (int level = 1; level <= 5; ++level) {
        const std::string map = fileText("src/level" + std::to_string(level) + ".map");
        const std::vector<int32_t> cells =
            parseLevelText(fileText("level" + std::to_string(level) + ".txt")).cells;
        ASSERT_EQ(levelToMap(cells), map) << level;
        std::vector<std::string> lines;
        std::istringstream in(map);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        EXPECT_EQ(convertMap(lines).cells, cells) << level;
    }
    // A code of neither the legend nor the wall family, even in the last cell, and a level
    // short of a cell have no map.
    std::vector<int32_t> cells(mazeCells, Open);
    cells[mazeCells - 1] = WallLast + 1;
    EXPECT_FALSE(levelToMap(cells).has_value());
    cells.pop_back();
    EXPECT_FALSE(levelToMap(cells).has_value());
}

} // namespace
