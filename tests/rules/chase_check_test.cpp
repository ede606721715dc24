// The chase check runs the game's own enemies: they go down a comb's dead-end teeth after a
// standing player only when steering marks stand where they walk past the teeth.
#include "rules/chase_check.h"
#include "support/grid_builder.h"

#include <gtest/gtest.h>

namespace {

// A corridor with twelve long dead-end teeth hanging from it and the pen's door at the foot of
// the first; teethMarksRow is the row (2: in the corridor, 9: at the teeth's far ends) that
// holds a south mark at each inner tooth.
std::vector<int32_t> combLevel(int32_t teethMarksRow) {
    std::vector<std::string> map = {
        "#########################", //  1
        "#P.....................R#", //  2
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  3
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  4
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  5
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  6
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  7
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  8
        "#.#.#.#.#.#.#.#.#.#.#.#.#", //  9
        "#-#######################", // 10
        "#_1_2_3#________________#", // 11
        "#########################", // 12
        "#_______________________#", // 13
        "#########################", // 14
        "#_______________________#", // 15
        "#########################", // 16
        "#_______________________#", // 17
        "#########################", // 18
    };
    for (int32_t column = 3; column <= 21; column += 2) {
        map[teethMarksRow - 1][column] = 'v';
    }
    return convertMapOrFail(map);
}

TEST(ChaseCheck, RefusesMarksTheEnemiesNeverMeet) {
    EXPECT_TRUE(checkChase(combLevel(2)).empty());
    const LevelProblems refused = checkChase(combLevel(9));
    ASSERT_FALSE(refused.empty());
    EXPECT_NE(refused.front().message.find("red enemy catches a standing player on only 37 of"),
              std::string::npos)
        << refused.front().message;
}

} // namespace
