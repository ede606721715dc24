// The player's moves at their edges: the side wraps, and where a warp may land (and where it
// may not).
#include "actors/player_control.h"
#include "app/key_handling.h"
#include "core/game_random.h"
#include "support/game_fixture.h"

#include <map>

namespace {

// Runs the player's part of a frame: the keys, then the move while the player is up.
void playerFrame() {
    handleEvents();
    if (player.state == Active) {
        movePlayer();
    }
}

class PlayerControlTest : public GameTest {};

TEST_F(PlayerControlTest, WalkingOffOneSideComesBackOnTheOther) {
    setMaze({"", ""});
    place(player, 0, 32, West);
    playerFrame();
    EXPECT_EQ(player.x, 768);
    place(player, 764, 32, East);
    playerFrame();
    EXPECT_EQ(player.x, 0);
    place(player, 760, 32, East);
    playerFrame();
    EXPECT_EQ(player.x, 764);
}

TEST_F(PlayerControlTest, AWarpEatsWhereItLandsAndWalksOnInTheSameFrame) {
    // One free tile in rows 2 to 18, holding a dot; walls and doors everywhere else.
    std::vector<std::string> rows(mazeRows, "#########################");
    rows[0] = rows[1] = "";
    rows[2] = "##########-.#############";
    setMaze(rows);
    ediblesLeft = 4;
    place(player, 32, 0, North);
    player.warps = 1;
    scripted::pressKey(SDLK_z);
    playerFrame();
    EXPECT_EQ(player.warps, 0);
    EXPECT_EQ(player.x, 352);
    EXPECT_EQ(player.y, 60) << "landed on row 2, then stepped north";
    EXPECT_EQ(mazeGrid.at(2, 11), Open);
    EXPECT_EQ(player.score, 10);
    EXPECT_EQ(ediblesLeft, 3);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWarp)), 1) << "once, however many draws missed";

    scripted::pressKey(SDLK_z);
    playerFrame();
    EXPECT_EQ(player.x, 352) << "no warps left";
    EXPECT_EQ(player.y, 56);
}

TEST_F(PlayerControlTest, AWarpNeverLandsWhereThePlayerCannotWalk) {
    // The player's part of the maze: row 2 from column 1 to 8 and the tunnel of row 5 through
    // the side edges. Everything else below row 1 lies behind the door or in a walled pocket.
    std::vector<std::string> rows(mazeRows, "#.......................#");
    rows[0] = rows[1] = "#########################";
    rows[2] = "#........#..............#";
    rows[3] = "#.######-################";
    rows[4] = "#.#.....................#";
    rows[5] = "..#....................#.";
    rows[6] = "#########################";
    rows[9] = "#########################";
    setMaze(rows);
    place(player, 128, 64, East);
    player.warps = 300;
    std::map<int32_t, int> landed;
    while (player.warps > 0) {
        ASSERT_TRUE(warpPlayer());
        const int32_t row = player.y / tileSize;
        const int32_t column = player.x / tileSize;
        ASSERT_TRUE((row == 2 && column <= 8) || (row <= 5 && column <= 1) ||
                    (row == 5 && column == 24))
            << "landed on row " << row << ", column " << column;
        ++landed[row * mazeColumns + column];
    }
    EXPECT_EQ(landed.size(), 13u) << "every cell of the player's part is a target";
}

TEST_F(PlayerControlTest, AWarpWithNowhereToLandGivesUpAndChangesNothing) {
    // Below row 1 there is only floor with dots behind a door: the player cannot walk there.
    std::vector<std::string> rows(mazeRows, ".........................");
    rows[0] = rows[1] = "";
    rows[2] = "#########-###############";
    setMaze(rows);
    ediblesLeft = 400;
    place(player, 64, 32, East);
    player.warps = 2;
    scripted::pressKey(SDLK_z);
    seedGameRandom(3);
    handleEvents();
    // It gave up after exactly 10000 draws of a column and a row.
    const int next = gameRandom();
    seedGameRandom(3);
    for (int draw = 0; draw < 2 * warpMaxDraws; ++draw) {
        gameRandom();
    }
    EXPECT_EQ(next, gameRandom());
    EXPECT_EQ(player.warps, 2);
    EXPECT_EQ(player.x, 64);
    EXPECT_EQ(player.y, 32);
    EXPECT_EQ(ediblesLeft, 400);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWarp)), 0);
}

} // namespace
