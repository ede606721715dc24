// How the enemies steer: turns when blocked, the pen's pacing, seek and directional marks,
// and the side wrap.
#include "actors/enemy_movement.h"
#include "support/game_fixture.h"

namespace {

class EnemyMovementTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        enemy.setState(Active);
    }
    Actor& enemy = blueEnemy;
};

TEST_F(EnemyMovementTest, BlockedSidewaysTurnsTowardThePlayerOrFallsBackUntested) {
    // Enemy at (row 3, column 3) heading east into a wall; the player lies below.
    setMaze({"", "", "", "    #", ""});
    place(player, 96, 480);
    place(enemy, 96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 96);
    EXPECT_EQ(enemy.direction, South);

    setMaze({"", "", "   #", "    #", "   #"});
    place(enemy, 96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, North) << "north is taken without being tested";
    moveEnemy(enemy);
    EXPECT_EQ(enemy.y, 96) << "both ways walled: it waits";
    EXPECT_EQ(enemy.x, 96);

    // The same enemy in its pen paces back whatever the vertical test said.
    setMaze({"", "", "", "    #", ""});
    enemy.setState(Penned);
    place(enemy, 96, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 92);
}

TEST_F(EnemyMovementTest, ASeekMarkTurnsTowardAPlayerExactlyInLine) {
    setMaze({"", "", "", "    k     "});
    place(enemy, 124, 96, East); // steps onto the mark at (row 3, column 4)
    place(player, 0, 96);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.x, 128);
    EXPECT_EQ(enemy.direction, West) << "even straight back";

    place(enemy, 124, 96, East);
    place(player, 128, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South);

    place(enemy, 124, 96, East);
    place(player, 132, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "one pixel off is not in line";
}

TEST_F(EnemyMovementTest, ABlockedEnemySeeksOnABareMarkButNotOnADot) {
    // Blocked east on the mark tile, the player far west in the same row.
    setMaze({"", "", "", "    k#", ""});
    place(player, 0, 96);
    place(enemy, 128, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);

    setMaze({"", "", "", "    *#", ""});
    place(enemy, 128, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South) << "the blocked turn stands";
}

TEST_F(EnemyMovementTest, DirectionalMarksTurnOnlyTowardThePlayerAndNeverBack) {
    setMaze({"", "", "", "    n     ", ""});
    place(player, 128, 0);
    place(enemy, 124, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, North);

    place(enemy, 128, 92, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South) << "a north mark does not reverse a southbound enemy";

    place(player, 128, 400);
    place(enemy, 124, 96, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "the player is not higher up";

    setMaze({"", "", "    w  e  "});
    place(player, 0, 64);
    place(enemy, 124, 64, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East) << "a west mark does not reverse an eastbound enemy";
    place(enemy, 132, 64, West);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    place(enemy, 220, 64, West);
    place(player, 700, 64);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West) << "an east mark does not reverse a westbound enemy";
    place(enemy, 224, 60, South);
    place(player, 700, 400);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, East);
}

TEST_F(EnemyMovementTest, OnlyTheNorthSouthAndSeekMarksCountInTheLowerRow) {
    place(player, 0, 480);
    // Moving south with the box over rows 2 and 3: a west mark in row 3 is ignored...
    setMaze({"", "", "", "    w"});
    place(enemy, 128, 68, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.y, 72);
    EXPECT_EQ(enemy.direction, South);
    // ... in the upper row it steers.
    setMaze({"", "", "    w"});
    place(enemy, 128, 68, South);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, West);
    // A south mark in the lower row does count.
    setMaze({"", "", "", "    s"});
    place(enemy, 128, 68, East);
    moveEnemy(enemy);
    EXPECT_EQ(enemy.direction, South);
    EXPECT_EQ(hintAt(132, 68), SouthMark);
    EXPECT_EQ(hintAt(132, 64), -1);
    // Across, the box covers its own column, and the next only once it reaches into it.
    setMaze({"", "", "     s"});
    EXPECT_EQ(hintAt(128, 64), -1);
    EXPECT_EQ(hintAt(129, 64), SouthMark);
    setMaze({"", "", "", "     s"});
    EXPECT_EQ(hintAt(128, 68), -1);
    EXPECT_EQ(hintAt(129, 68), SouthMark);
}

} // namespace
