#include "level_text.h"
#include "shell/shared_types.h"

#include <gtest/gtest.h>

namespace {

std::string numbers(int count, const std::string& separator = " ") {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(i % 36) + separator;
    }
    return text;
}

TEST(LevelText, AnyWhiteSpaceSeparates) {
    const LevelText level = parseLevelText("\t" + numbers(200, "\n") + numbers(275, " \t\r\n "));
    ASSERT_TRUE(level.problems.empty());
    ASSERT_EQ(level.cells.size(), static_cast<size_t>(mazeCells));
    EXPECT_EQ(level.cells[35], 35);
    EXPECT_EQ(level.cells[36], 0);
    EXPECT_EQ(level.cells[474], 274 % 36);
}

TEST(LevelText, CountsTheNumbers) {
    LevelText level = parseLevelText(numbers(474));
    ASSERT_EQ(level.problems.size(), 1u);
    EXPECT_EQ(level.problems[0].row, -1);
    EXPECT_EQ(level.problems[0].message, "only 474 numbers, a level holds 475");
    EXPECT_TRUE(level.cells.empty());

    level = parseLevelText(numbers(476));
    ASSERT_EQ(level.problems.size(), 1u);
    EXPECT_EQ(level.problems[0].message, "476 numbers, a level holds 475");

    level = parseLevelText("");
    ASSERT_EQ(level.problems.size(), 1u);
    EXPECT_EQ(level.problems[0].message, "only 0 numbers, a level holds 475");
}

TEST(LevelText, AcceptsSignsAndTheWholeThirtyTwoBitRange) {
    const LevelText level = parseLevelText("+17 -1 2147483647 -2147483648 007 " + numbers(470));
    ASSERT_TRUE(level.problems.empty());
    EXPECT_EQ(level.cells[0], 17);
    EXPECT_EQ(level.cells[1], -1);
    EXPECT_EQ(level.cells[2], 2147483647);
    EXPECT_EQ(level.cells[3], -2147483647 - 1);
    EXPECT_EQ(level.cells[4], 7);
}

TEST(LevelText, RefusesTokensThatAreNotThirtyTwoBitIntegersAtTheirCell) {
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"2147483648", "does not fit in 32 bits"},
        {"-2147483649", "does not fit in 32 bits"},
        {"99999999999999999999", "does not fit in 32 bits"},
        {"abc", "is not a decimal integer"},
        {"12abc", "is not a decimal integer"},
        {"1.5", "is not a decimal integer"},
        {"0x11", "is not a decimal integer"},
        {"+-1", "is not a decimal integer"},
        {"-", "is not a decimal integer"},
        {"++1", "is not a decimal integer"},
    };
    for (const auto& [token, complaint] : bad) {
        // Cell 32 is row 1, column 7.
        const LevelText level = parseLevelText(numbers(32) + token + " " + numbers(442));
        ASSERT_EQ(level.problems.size(), 1u) << token;
        EXPECT_EQ(level.problems[0].row, 1) << token;
        EXPECT_EQ(level.problems[0].column, 7) << token;
        EXPECT_EQ(level.problems[0].message, "'" + token + "' " + complaint);
    }
}

TEST(LevelText, ReportsEveryBadTokenAndTheCount) {
    const LevelText level = parseLevelText("x " + numbers(400) + "y");
    ASSERT_EQ(level.problems.size(), 3u);
    EXPECT_EQ(describeProblem("a.txt", level.problems[0]),
              "a.txt: row 0, column 0: 'x' is not a decimal integer");
    EXPECT_EQ(describeProblem("a.txt", level.problems[1]),
              "a.txt: row 16, column 1: 'y' is not a decimal integer");
    EXPECT_EQ(describeProblem("a.txt", level.problems[2]),
              "a.txt: only 402 numbers, a level holds 475");
}

} // namespace
