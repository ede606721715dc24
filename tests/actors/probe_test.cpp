// The maze test every move goes through: which cells it visits, what the player eats on the
// way, the door, power items, and the edges of the grid.
#include "actors/enemy_movement.h"
#include "actors/player_control.h"
#include "actors/probe.h"
#include "support/game_fixture.h"

namespace {

class ProbeTest : public GameTest {};

TEST_F(ProbeTest, TheDoorStopsThePlayerButNotAnEnemyAwayFromIt) {
    setMaze({"", "", "   -"});
    place(player, 64, 64);
    EXPECT_TRUE(probeMaze(68, 64));
    place(player, 320, 320);
    EXPECT_FALSE(probeMaze(68, 64));

    // An enemy walks through the door while the player is far away.
    place(redEnemy, 64, 64, East);
    moveEnemy(redEnemy);
    EXPECT_EQ(redEnemy.x, 68);
}

TEST_F(ProbeTest, AnEnemyNextToThePlayerEatsForItAndIsStoppedByTheDoor) {
    setMaze({"", "", "   .-"});
    place(player, 104, 64);
    ediblesLeft = 1;
    place(redEnemy, 96, 64, East);
    moveEnemy(redEnemy); // probes (100, 64), one step west of the player
    EXPECT_EQ(player.score, 10);
    EXPECT_EQ(ediblesLeft, 0);
    EXPECT_EQ(mazeGrid.at(2, 3), Open);
    EXPECT_EQ(redEnemy.x, 96) << "the door one column on stops it";
    EXPECT_NE(redEnemy.direction, East);
}

TEST_F(ProbeTest, APowerItemFrightensOnlyActiveEnemies) {
    setMaze({"", " o"});
    place(player, 32, 32);
    redEnemy.setState(Active);
    purpleEnemy.setTimedState(Active, 5, Penned);
    blueEnemy.setTimedState(Penned, 40, Active);
    yellowEnemy.setTimedState(Scared, 20, Active);
    ediblesLeft = 7;
    EXPECT_FALSE(probeMaze(32, 32));
    EXPECT_EQ(mazeGrid.at(1, 1), Open);
    for (Actor* frightened : {&redEnemy, &purpleEnemy}) {
        EXPECT_EQ(frightened->state, Scared);
        EXPECT_EQ(frightened->stateTimer, 150);
        EXPECT_EQ(frightened->restoreState, Active);
        EXPECT_TRUE(frightened->stateTimerActive);
    }
    EXPECT_EQ(blueEnemy.state, Penned);
    EXPECT_EQ(blueEnemy.stateTimer, 40);
    EXPECT_EQ(yellowEnemy.stateTimer, 20) << "a running fright is not renewed";
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(ediblesLeft, 7);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxCrunch)), 0);
}

TEST_F(ProbeTest, CellsOutsideTheGridAreWalls) {
    // A player warped onto column 24 tests column 25 when it looks east: there is no such column,
    // and the first cell of the next row must not be read or eaten in its place.
    setMaze({"", "", "", "", "", ".                       ."});
    place(player, 768, 128);
    ediblesLeft = 2;
    EXPECT_TRUE(probeMaze(772, 128));
    EXPECT_EQ(mazeGrid.at(5, 0), Dot);
    EXPECT_EQ(player.score, 0);

    // An open bottom row: the step south out of row 18 is refused, after eating on the way.
    setMaze({});
    mazeGrid.set(18, 2, Dot);
    place(player, 64, 576);
    player.direction = South;
    movePlayer();
    EXPECT_EQ(player.y, 576);
    EXPECT_EQ(mazeGrid.at(18, 2), Open);
    EXPECT_EQ(hintAt(64, 580), -1);
    EXPECT_TRUE(probeMaze(64, -40)) << "rows above the grid";
    EXPECT_TRUE(probeMaze(64, 608));
}

TEST_F(ProbeTest, CodesOutsideTheTableNeitherBlockNorFeed) {
    setMaze({});
    mazeGrid.set(1, 1, 36);
    mazeGrid.set(1, 2, -1);
    place(player, 32, 32);
    EXPECT_FALSE(probeMaze(36, 32));
    EXPECT_EQ(mazeGrid.at(1, 1), 36);
    EXPECT_EQ(mazeGrid.at(1, 2), -1);
    EXPECT_EQ(player.score, 0);
}

} // namespace
