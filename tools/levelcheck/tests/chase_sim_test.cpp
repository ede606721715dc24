#include "chase_sim.h"
#include "grid_builder.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t t = tileSize;

std::vector<int32_t> openGrid() {
    return std::vector<int32_t>(mazeCells, Open);
}

ChaseActor enemyAt(int32_t column, int32_t row, int32_t direction, bool penned = false) {
    return ChaseActor{column * t, row * t, direction, penned};
}

TEST(ChaseProbe, WallsAndTheOutsideBlockTheDoorOnlyNextToThePlayer) {
    std::vector<int32_t> cells = smallLevel();
    const ChaseMaze farPlayer{cells, 1 * t, 2 * t};
    EXPECT_FALSE(chaseProbe(farPlayer, 10 * t, 3 * t)) << "the door lets enemies through";
    EXPECT_TRUE(chaseProbe(farPlayer, 0, 2 * t));
    EXPECT_TRUE(chaseProbe(farPlayer, t + 4, 3 * t)) << "the box reaches into column 2, a wall";
    const ChaseMaze nearPlayer{cells, 10 * t, 3 * t - 4};
    EXPECT_TRUE(chaseProbe(nearPlayer, 10 * t, 3 * t)) << "one step from the player";

    cells = openGrid();
    const ChaseMaze open{cells, 0, 0};
    EXPECT_FALSE(chaseProbe(open, t, 18 * t));
    EXPECT_TRUE(chaseProbe(open, t, 18 * t + 4)) << "below row 18 is outside";
    EXPECT_FALSE(chaseProbe(open, -4, 5 * t)) << "x = -4 looks at column 0 only";
}

TEST(ChaseHint, LowerRowSteersOnlyNorthSouthAndSeek) {
    std::vector<int32_t> cells = openGrid();
    cells[cellOf(5, 3)] = WestMark;
    cells[cellOf(5, 7)] = DotNorth;
    const ChaseMaze maze{cells, 0, 0};
    EXPECT_EQ(chaseHint(maze, 3 * t, 5 * t), WestMark);
    EXPECT_EQ(chaseHint(maze, 3 * t, 5 * t - 8), -1);
    EXPECT_EQ(chaseHint(maze, 3 * t, 5 * t + 8), WestMark);
    EXPECT_EQ(chaseHint(maze, 7 * t, 5 * t - 8), DotNorth);
    EXPECT_EQ(chaseHint(maze, 6 * t + 4, 5 * t), DotNorth) << "the right-hand column counts";
}

TEST(ChaseStep, BlockedSidewaysTurnsTowardThePlayerVertically) {
    std::vector<int32_t> cells = openGrid();
    cells[cellOf(5, 6)] = WallPillar;
    const ChaseMaze playerBelow{cells, 5 * t, 10 * t};
    ChaseActor enemy = enemyAt(5, 5, ChaseEast);
    chaseStep(playerBelow, enemy);
    EXPECT_EQ(enemy.direction, ChaseSouth);
    EXPECT_EQ(enemy.x, 5 * t) << "a blocked enemy does not step";

    cells[cellOf(6, 5)] = WallPillar;
    enemy = enemyAt(5, 5, ChaseEast);
    chaseStep(playerBelow, enemy);
    EXPECT_EQ(enemy.direction, ChaseNorth) << "the fallback is not probed";

    enemy = enemyAt(5, 5, ChaseEast, true);
    chaseStep(playerBelow, enemy);
    EXPECT_EQ(enemy.direction, ChaseWest) << "a penned enemy paces back";
}

TEST(ChaseStep, BlockedVerticallyPrefersEastWhenInTheSameColumn) {
    std::vector<int32_t> cells = openGrid();
    cells[cellOf(4, 5)] = WallPillar;
    const ChaseMaze maze{cells, 5 * t, 2 * t};
    ChaseActor enemy = enemyAt(5, 5, ChaseNorth);
    chaseStep(maze, enemy);
    EXPECT_EQ(enemy.direction, ChaseEast);
}

TEST(ChaseStep, SeekMarkTurnsTowardThePlayerInLineEvenBackward) {
    std::vector<int32_t> cells = openGrid();
    cells[cellOf(5, 5)] = SeekMark;
    const ChaseMaze maze{cells, 12 * t, 5 * t};
    ChaseActor enemy{5 * t + 4, 5 * t, ChaseWest, false};
    chaseStep(maze, enemy);
    EXPECT_EQ(enemy.x, 5 * t);
    EXPECT_EQ(enemy.direction, ChaseEast);

    const ChaseMaze notInLine{cells, 12 * t, 5 * t + 4};
    enemy = ChaseActor{5 * t + 4, 5 * t, ChaseWest, false};
    chaseStep(notInLine, enemy);
    EXPECT_EQ(enemy.direction, ChaseWest);
}

TEST(ChaseStep, MarksTurnOnlyTowardThePlayerAndNeverStraightBack) {
    std::vector<int32_t> cells = openGrid();
    cells[cellOf(5, 5)] = NorthMark;
    const ChaseMaze playerAbove{cells, 9 * t, 1 * t};
    ChaseActor enemy{5 * t, 5 * t - 4, ChaseSouth, false};
    chaseStep(playerAbove, enemy);
    EXPECT_EQ(enemy.direction, ChaseSouth);

    enemy = ChaseActor{5 * t + 4, 5 * t, ChaseWest, false};
    chaseStep(playerAbove, enemy);
    EXPECT_EQ(enemy.direction, ChaseNorth);

    const ChaseMaze playerBelow{cells, 9 * t, 9 * t};
    enemy = ChaseActor{5 * t + 4, 5 * t, ChaseWest, false};
    chaseStep(playerBelow, enemy);
    EXPECT_EQ(enemy.direction, ChaseWest);
}

TEST(ChaseStep, WrapsAtTheSideEdges) {
    const std::vector<int32_t> cells = openGrid();
    const ChaseMaze maze{cells, 0, 0};
    ChaseActor enemy{764, 5 * t, ChaseEast, false};
    chaseStep(maze, enemy);
    EXPECT_EQ(enemy.x, 0);
    enemy = ChaseActor{0, 5 * t, ChaseWest, false};
    chaseStep(maze, enemy);
    EXPECT_EQ(enemy.x, 768);
}

TEST(FramesToCatch, RedWalksStraightToAPlayerInItsCorridor) {
    const std::vector<int32_t> cells = smallLevel();
    // Red turns West in frame 1, then closes 288 pixels to within 19 in 68 steps.
    EXPECT_EQ(framesToCatch(cells, RedHome, cellOf(2, 1), 1000), 69);
}

TEST(FramesToCatch, PennedEnemiesLeaveOnlyWhereAMarkSendsThemOut) {
    std::vector<int32_t> cells = smallLevel();
    EXPECT_EQ(framesToCatch(cells, PurpleHome, cellOf(2, 1), 2000), -1)
        << "without a mark under the door, purple paces the pen forever";
    cells[cellOf(4, 10)] = NorthMark;
    const int32_t frames = framesToCatch(cells, PurpleHome, cellOf(2, 1), 2000);
    EXPECT_GT(frames, 50) << "not before its release";
    EXPECT_LT(frames, 400);
}

} // namespace
