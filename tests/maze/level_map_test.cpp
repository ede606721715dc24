// levelToMap undoes the map converter: each shipped level and its map round-trip both ways.
#include "core/shared_types.h"
#include "maze/level_map.h"
#include "maze/level_text.h"
#include "maze/map_convert.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

TEST(LevelToMap, TheShippedLevelsRoundTripBothWaysAndStrangeCellsHaveNoMap) {
    for (const std::string level : {"1", "2", "3", "4", "5"}) {
        const std::string folder = std::string(TAMBERLO_SOURCE_DIR) + "/data/levels/";
        std::stringstream map, levelText;
        map << std::ifstream(folder + "src/level" + level + ".map").rdbuf();
        levelText << std::ifstream(folder + "level" + level + ".txt").rdbuf();
        const std::vector<int32_t> cells = parseLevelText(levelText.str()).cells;
        ASSERT_EQ(levelToMap(cells), map.str()) << level;
        std::vector<std::string> lines;
        for (std::string line; std::getline(map, line);) {
            lines.push_back(line);
        }
        EXPECT_EQ(convertMap(lines).cells, cells) << level;
    }
    // No map: a code of neither legend nor walls (in the last cell), a cell short or one more.
    std::vector<int32_t> cells(mazeCells, Open);
    cells[mazeCells - 1] = WallLast + 1;
    EXPECT_FALSE(levelToMap(cells).has_value());
    cells.pop_back();
    EXPECT_FALSE(levelToMap(cells).has_value());
    EXPECT_FALSE(levelToMap(std::vector<int32_t>(mazeCells + 1, Open)).has_value());
}
