// How the enemies steer: turns when blocked, the pen's pacing, seek and directional marks,
// and the side wrap.
#include "actors/enemy_movement.h"
#include "shell/game_state.h"
#include "support/game_fixture.h"

namespace {

class EnemyMovementTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        enemy.setState(Active);
    }
    void put(int32_t x, int32_t y, int32_t heading) {
        enemy.x = x;
        enemy.y = y;
        enemy.direction = heading;
    }
    void putPlayer(int32_t x, int32_t y) {
        player.x = x;
        player.y = y;
    }
    Actor& enemy = blueEnemy;
};

TEST_F(EnemyMovementTest, BlockedSidewaysTurnsTowardThePlayerOrFallsBackUntested) {
    // Enemy at (row 3, column 3) heading east into a wall; the player lies below.
    setMaze({"", "", "", "    #", ""});
    putPlayer(96, 480);
    put(96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 96);
    EXPECT_EQ(enemy.direction, South);

    setMaze({"", "", "   #", "    #", "   #"});
    put(96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, North) << "north is taken without being tested";
    moveEnemy(enemy);
    EXPECT_EQ(enemy.y, 96) << "both ways walled: it waits";
    EXPECT_EQ(enemy.x, 96);

    // The same enemy in its pen paces back whatever the vertical test said.
    setMaze({"", "", "", "    #", ""});
    enemy.setState(Penned);
    put(96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 92);
}

TEST_F(EnemyMovementTest, BlockedVerticallyTurnsTowardThePlayersSide) {
    setMaze({"", "", "  #  ", "     "});
    put(64, 96, North);
    putPlayer(64, 480);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "a player exactly in line counts as to the east";
    put(64, 96, North);
    putPlayer(0, 480);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    setMaze({"", "", "  #", " #   "});
    put(64, 96, North);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "west walled";
}

TEST_F(EnemyMovementTest, ASeekMarkTurnsTowardAPlayerExactlyInLine) {
    setMaze({"", "", "", "    k     "});
    put(124, 96, East); // steps onto the mark at (row 3, column 4)
    putPlayer(0, 96);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 128);
    EXPECT_EQ(enemy.direction, West) << "even straight back";

    put(124, 96, East);
    putPlayer(128, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South);

    put(124, 96, East);
    putPlayer(132, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "one pixel off is not in line";
}

TEST_F(EnemyMovementTest, ABlockedEnemySeeksOnABareMarkButNotOnADot) {
    // Blocked east on the mark tile, the player far west in the same row.
    setMaze({"", "", "", "    k#", ""});
    putPlayer(0, 96);
    put(128, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);

    setMaze({"", "", "", "    *#", ""});
    put(128, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South) << "the blocked turn stands";
}

TEST_F(EnemyMovementTest, DirectionalMarksTurnOnlyTowardThePlayerAndNeverBack) {
    setMaze({"", "", "", "    n     ", ""});
    putPlayer(128, 0);
    put(124, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, North);

    put(128, 92, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South) << "a north mark does not reverse a southbound enemy";

    putPlayer(128, 400);
    put(124, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "the player is not higher up";

    setMaze({"", "", "    w  e  "});
    putPlayer(0, 64);
    put(124, 64, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "a west mark does not reverse an eastbound enemy";
    put(132, 64, West);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    put(220, 64, West);
    putPlayer(700, 64);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West) << "an east mark does not reverse a westbound enemy";
    put(224, 60, South);
    putPlayer(700, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East);
}

TEST_F(EnemyMovementTest, OnlyTheNorthSouthAndSeekMarksCountInTheLowerRow) {
    putPlayer(0, 480);
    // Moving south with the box over rows 2 and 3: a west mark in row 3 is ignored...
    setMaze({"", "", "", "    w"});
    put(128, 68, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.y, 72);
    EXPECT_EQ(enemy.direction, South);
    // ... in the upper row it steers.
    setMaze({"", "", "    w"});
    put(128, 68, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    // A south mark in the lower row does count.
    setMaze({"", "", "", "    s"});
    put(128, 68, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South);
    EXPECT_EQ(hintAt(132, 68), SouthMark);
    EXPECT_EQ(hintAt(132, 64), -1);
}

TEST_F(EnemyMovementTest, AScaredEnemySteersLikeAnActiveOne) {
    enemy.setTimedState(Scared, 150, Active);
    setMaze({"", "", "", "    n     ", ""});
    putPlayer(128, 0);
    put(124, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, North);

    setMaze({"", "", "", "    #", ""});
    putPlayer(96, 480);
    put(96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South);
}

TEST_F(EnemyMovementTest, WalkingOffTheRightEdgeComesBackOnTheLeft) {
    setMaze({"", "", ""});
    putPlayer(400, 400);
    put(764, 64, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 0);
    put(0, 64, West);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 768);
}

} // namespace
