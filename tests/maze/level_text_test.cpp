// The level file reader: what the game takes from a text, and the faults the level checker
// refuses a file for.
#include "core/shared_types.h"
#include "maze/level_text.h"

#include <gtest/gtest.h>

namespace {

std::string numbers(int count, const std::string& separator = " ") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(i % 36) + separator;
    }
    return text;
}

TEST(LevelText, AnyWhiteSpaceSeparatesAndSignsAndTheWholeRangeAreTaken) {
    const LevelText level = parseLevelText("\t+17 -1 2147483647 -2147483648 007\n" +
                                           numbers(200, "\n") + numbers(270, " \t\r\n "));
    EXPECT_TRUE(level.faults.empty());
    ASSERT_EQ(level.cells.size(), static_cast<size_t>(mazeCells));
    EXPECT_EQ(level.cells[0], 17);
    EXPECT_EQ(level.cells[1], -1);
    EXPECT_EQ(level.cells[2], 2147483647);
    EXPECT_EQ(level.cells[3], -2147483647 - 1);
    EXPECT_EQ(level.cells[4], 7);
    EXPECT_EQ(level.cells[5 + 35], 35);
    EXPECT_EQ(level.cells[474], 269 % 36);
}

TEST(LevelText, CountsTheNumbersButTakesOnlyAMazeFull) {
    LevelText level = parseLevelText(numbers(474));
    ASSERT_EQ(level.faults.size(), 1u);
    EXPECT_EQ(level.faults[0].cell, -1);
    EXPECT_EQ(level.faults[0].message, "only 474 numbers, a level holds 475");
    EXPECT_EQ(level.cells.size(), 474u);

    // Past a maze full only the count is a fault, whatever the extra token holds.
    level = parseLevelText(numbers(475) + " x");
    ASSERT_EQ(level.faults.size(), 1u);
    EXPECT_EQ(level.faults[0].message, "476 numbers, a level holds 475");
    EXPECT_EQ(level.cells.size(), static_cast<size_t>(mazeCells));
    EXPECT_EQ(parseLevelText(numbers(476)).cells.size(), static_cast<size_t>(mazeCells));

    level = parseLevelText("");
    EXPECT_EQ(level.faults.at(0).message, "only 0 numbers, a level holds 475");
    EXPECT_TRUE(level.cells.empty());
}

// The game takes numbers the way a stream extraction does: a token with a number in front
// gives that number and then stops the reading; a number too large for 32 bits stops it at
// once. The checker names the whole token at its cell.
TEST(LevelText, ABadTokenStopsTheGameAndIsNamedAtItsCell) {
    struct Case {
        std::string token;
        std::string complaint;
        size_t cellsTaken; // after the 32 good numbers in front of it
    };
    const std::vector<Case> cases = {
        {"2147483648", "does not fit in 32 bits", 32},
        {"-2147483649", "does not fit in 32 bits", 32},
        {"99999999999999999999", "does not fit in 32 bits", 32},
        {"abc", "is not a decimal integer", 32},
        {"12abc", "is not a decimal integer", 33},
        {"1.5", "is not a decimal integer", 33},
        {"0x11", "is not a decimal integer", 33},
        {"+-1", "is not a decimal integer", 32},
        {"-", "is not a decimal integer", 32},
    };
    for (const Case& c : cases) {
        // Cell 32 is row 1, column 7.
        const LevelText level = parseLevelText(numbers(32) + c.token + " " + numbers(442));
        ASSERT_EQ(level.faults.size(), 1u) << c.token;
        EXPECT_EQ(level.faults[0].cell, 32) << c.token;
        EXPECT_EQ(level.faults[0].message, "'" + c.token + "' " + c.complaint);
        EXPECT_EQ(level.cells.size(), c.cellsTaken) << c.token;
    }
    // "12-3" reads as two numbers to the game, but is one bad token to the checker.
    const LevelText split = parseLevelText("12-3");
    EXPECT_EQ(split.cells, (std::vector<int32_t>{12, -3}));
    EXPECT_EQ(split.faults.at(0).message, "'12-3' is not a decimal integer");
}

} // namespace
