// The level checks on a small level changed one cell at a time.
#include "grid_builder.h"
#include "level_checks.h"

#include <gtest/gtest.h>

namespace {

std::string describeAll(const LevelProblems& problems) {
    std::string text;
    for (const LevelProblem& problem : problems) {
        text += describeProblem("t.txt", problem) + "\n";
    }
    return text;
}

TEST(LevelChecks, SmallLevelIsPlayable) {
    EXPECT_EQ(describeAll(checkLevel(smallLevel())), "");
}

TEST(LevelChecks, CodesOutsideTheTableMeanNothing) {
    std::vector<int32_t> cells = smallLevel();
    cells[cellOf(10, 3)] = 36;
    cells[cellOf(12, 4)] = -1;
    cells[cellOf(12, 5)] = WallLast; // the last wall piece is fine
    EXPECT_EQ(describeAll(checkCodes(cells)), "t.txt: row 10, column 3: code 36 means nothing\n"
                                              "t.txt: row 12, column 4: code -1 means nothing\n");
}

TEST(LevelChecks, NeedsExactlyOneStartAndOneOfEachHome) {
    std::vector<int32_t> cells = smallLevel();
    cells[cellOf(4, 3)] = Open;        // no purple home
    cells[cellOf(6, 5)] = PlayerStart; // a second start
    cells[cellOf(4, 9)] = YellowHome;  // a second yellow home
    EXPECT_EQ(describeAll(checkActorsPlaced(cells)),
              "t.txt: row 6, column 5: one player start (code 2) too many; a level holds "
              "exactly one\n"
              "t.txt: no purple enemy's home (code 4)\n"
              "t.txt: row 4, column 9: one yellow enemy's home (code 6) too many; a level holds "
              "exactly one\n");
}

TEST(LevelChecks, NeedsSomethingToEat) {
    std::vector<int32_t> cells = smallLevel();
    for (int32_t& code : cells) {
        if (code == Dot) {
            code = Open;
        }
    }
    EXPECT_EQ(describeAll(checkHasEdible(cells)),
              "t.txt: no dot (codes 7 to 11 or 17): the level could never be won\n");
    cells[cellOf(6, 4)] = DotWest; // a dot on a mark is eaten like any other
    EXPECT_TRUE(checkHasEdible(cells).empty());
    cells[cellOf(6, 4)] = WestMark; // a bare mark is not
    EXPECT_FALSE(checkHasEdible(cells).empty());
}

TEST(LevelChecks, WarpNeedsAFreeCellBelowRowOne) {
    std::vector<int32_t> cells(mazeCells, WallEastWest);
    cells[cellOf(1, 1)] = PlayerStart;
    cells[cellOf(1, 2)] = Dot;
    cells[cellOf(2, 1)] = Door;
    EXPECT_EQ(describeAll(checkWarpTarget(cells)),
              "t.txt: no cell in rows 2 to 18 that is neither wall nor door: a warp would have "
              "nowhere to land\n");
    cells[cellOf(18, 24)] = SeekMark;
    EXPECT_TRUE(checkWarpTarget(cells).empty());
}

TEST(LevelChecks, ReachableTopOrBottomRowLetsActorsWalkOff) {
    std::vector<int32_t> cells = smallLevel();
    cells[cellOf(0, 5)] = Open; // under the panel, but walled off from the maze
    EXPECT_TRUE(checkEscapes(cells).empty());

    cells[cellOf(1, 5)] = Dot;   // now the player walks up from row 2
    cells[cellOf(18, 7)] = Open; // a warp may land here
    EXPECT_EQ(describeAll(checkEscapes(cells)),
              "t.txt: row 0, column 5: an actor can get here and walk off the top of the grid\n"
              "t.txt: row 18, column 7: an actor can get here and walk off the bottom of the "
              "grid\n");
}

TEST(LevelChecks, EnemiesCanWalkOffThroughDoors) {
    std::vector<int32_t> cells = smallLevel();
    for (int32_t row = 5; row < mazeRows; ++row) {
        cells[cellOf(row, 8)] = Door; // a shaft of doors from the pen down to the bottom row
    }
    // Only the enemies get down there: the doors shut the player out.
    EXPECT_EQ(describeAll(checkEscapes(cells)),
              "t.txt: row 18, column 8: an actor can get here and walk off the bottom of the "
              "grid\n");
    cells[cellOf(17, 8)] = WallEastWest;
    EXPECT_TRUE(checkEscapes(cells).empty());
}

TEST(LevelChecks, PickupsMustBeWithinThePlayersWalk) {
    std::vector<int32_t> cells = smallLevel();
    EXPECT_TRUE(checkPlayerReach(cells).empty()) << "the bomb site is reached through the wrap";
    cells[cellOf(8, 0)] = WallEndEast; // close the tunnel
    cells[cellOf(4, 12)] = PowerItem;  // behind the door, in the pen
    EXPECT_EQ(describeAll(checkPlayerReach(cells)),
              "t.txt: row 4, column 12: power item out of the player's reach\n"
              "t.txt: row 8, column 12: dot out of the player's reach\n"
              "t.txt: row 8, column 13: dot out of the player's reach\n"
              "t.txt: row 8, column 14: dot out of the player's reach\n"
              "t.txt: row 8, column 15: dot out of the player's reach\n"
              "t.txt: row 8, column 16: dot out of the player's reach\n"
              "t.txt: row 8, column 17: dot out of the player's reach\n"
              "t.txt: row 8, column 18: dot out of the player's reach\n"
              "t.txt: row 8, column 19: dot out of the player's reach\n"
              "t.txt: row 8, column 20: dot out of the player's reach\n"
              "t.txt: row 8, column 21: dot out of the player's reach\n"
              "t.txt: row 8, column 22: bomb site out of the player's reach\n"
              "t.txt: row 8, column 23: dot out of the player's reach\n"
              "t.txt: row 8, column 24: dot out of the player's reach\n");
}

TEST(LevelChecks, EnemiesPassTheDoorButNotWalls) {
    std::vector<int32_t> cells = smallLevel();
    EXPECT_TRUE(checkEnemyReach(cells).empty());
    cells[cellOf(3, 10)] = WallEastWest; // the pen is shut for good
    EXPECT_EQ(describeAll(checkEnemyReach(cells)),
              "t.txt: row 4, column 3: purple enemy's home: that enemy can never reach the "
              "player's start\n"
              "t.txt: row 4, column 5: blue enemy's home: that enemy can never reach the "
              "player's start\n"
              "t.txt: row 4, column 7: yellow enemy's home: that enemy can never reach the "
              "player's start\n");
}

TEST(LevelChecks, ReachChecksNeedOneStartToWalkFrom) {
    std::vector<int32_t> cells = smallLevel();
    cells[cellOf(2, 1)] = Dot; // the start is gone
    cells[cellOf(3, 10)] = WallEastWest;
    EXPECT_TRUE(checkPlayerReach(cells).empty());
    EXPECT_TRUE(checkEnemyReach(cells).empty());
    EXPECT_FALSE(checkActorsPlaced(cells).empty());
}

} // namespace
