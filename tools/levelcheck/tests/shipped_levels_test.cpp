// The five shipped levels grow harder: each is its own maze, with no more bombs or power items
// than the one before and at least one of each on the last (levelcheck_shipped_levels checks
// that each is playable).
#include "core/shared_types.h"
#include "maze/level_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr int levelCount = 5;

std::vector<int32_t> readShipped(int level) {
    const std::string path = std::string(LEVELS_DIR) + "/level" + std::to_string(level) + ".txt";
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    LevelText parsed = parseLevelText(text.str());
    EXPECT_TRUE(parsed.faults.empty()) << path << ": " << parsed.faults.front().message;
    return parsed.cells;
}

int32_t countOf(const std::vector<int32_t>& cells, int32_t code) {
    return static_cast<int32_t>(std::count(cells.begin(), cells.end(), code));
}

TEST(ShippedLevels, EachIsItsOwnMazeWithNoMoreBombsOrPowerItemsThanTheOneBefore) {
    std::vector<std::vector<int32_t>> levels;
    for (int level = 1; level <= levelCount; ++level) {
        levels.push_back(readShipped(level));
    }
    for (int level = 1; level < levelCount; ++level) {
        EXPECT_LE(countOf(levels[level], BombSiteMark), countOf(levels[level - 1], BombSiteMark))
            << "level " << level + 1;
        EXPECT_LE(countOf(levels[level], PowerItem), countOf(levels[level - 1], PowerItem))
            << "level " << level + 1;
        for (int earlier = 0; earlier < level; ++earlier) {
            EXPECT_NE(levels[level], levels[earlier]) << level + 1 << " and " << earlier + 1;
        }
    }
    EXPECT_GE(countOf(levels.back(), BombSiteMark), 1);
    EXPECT_GE(countOf(levels.back(), PowerItem), 1);
}

} // namespace
