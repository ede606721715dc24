// The tally's numbers: the level's score, five points taken for each second played, and the
// final score they leave, each counted up to its own value; a final score below zero stays at 0.
#include "support/game_fixture.h"

#include <string>

namespace {

class LevelTallyTest : public GameTest {
  protected:
    // Runs the whole tally (15 seconds, a tenth of a second a pass) on a level of this score
    // and length.
    void runTally(int32_t score, int32_t seconds) {
        levelNumber = 1;
        player.score = score;
        levelSeconds = seconds;
        scripted::script.msPerPresent = 100;
        frontEnd.runLevelTally();
    }

    ::testing::AssertionResult shows(const std::string& number, int x, int y) {
        return showsText(frontEnd.largeFont, number, white, x, y);
    }
};

TEST_F(LevelTallyTest, TheFinalScoreIsTheScoreLessFivePointsASecond) {
    runTally(730, 21);
    EXPECT_TRUE(shows("730", 450, 200));
    EXPECT_TRUE(shows("105", 500, 330));
    EXPECT_TRUE(shows("625", 450, 460));
    EXPECT_EQ(player.score, 730) << "the tally only shows the numbers";
}

TEST_F(LevelTallyTest, APenaltyAboveTheScoreLeavesTheFinalScoreAtZero) {
    runTally(40, 10);
    EXPECT_TRUE(shows("50", 500, 330));
    EXPECT_TRUE(shows("0", 450, 460));
}

} // namespace
