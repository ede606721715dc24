// The level build's edge cases: repeated and missing homes, and bomb sites, which leave the grid
// at the first frame's maze pass but for row 0.
#include "maze/maze_drawing.h"
#include "platform/video.h"
#include "rules/level_setup.h"
#include "support/game_fixture.h"

namespace {

constexpr Uint32 untouched = 0x123456;

void fillUntouched() {
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0x12, 0x34, 0x56));
    forgetDrawnCells();
}

bool tileUntouched(int column, int row) {
    return screenPixel(column * tileSize, row * tileSize) == untouched &&
           screenPixel(column * tileSize + 31, row * tileSize + 31) == untouched;
}

class LevelBuildTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        fillUntouched();
    }
};

TEST_F(LevelBuildTest, ARepeatedHomeWinsInCellOrderAndAMissingOneKeepsThePosition) {
    setMaze({"", " R      R", "  R"});
    place(yellowEnemy, 500, 300);
    buildLevel();
    EXPECT_EQ(redEnemy.x, 64);
    EXPECT_EQ(redEnemy.y, 64);
    EXPECT_EQ(yellowEnemy.x, 500);
    EXPECT_EQ(yellowEnemy.y, 300);
}

TEST_F(LevelBuildTest, BombSitesAreListedInCellOrderAndLeaveTheGridOutsideRowZero) {
    setMaze({"    B", "         B", " B   B", "", "", "          B"});
    bombSites.push_back(BombSite{1, 1, 1, 1, Spent});
    buildLevel();
    ASSERT_EQ(bombSites.size(), 5u);
    const int32_t expected[5][2] = {{128, 0}, {288, 32}, {32, 64}, {160, 64}, {320, 160}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(bombSites[i].x, expected[i][0]) << i;
        EXPECT_EQ(bombSites[i].y, expected[i][1]) << i;
        EXPECT_EQ(bombSites[i].originX, expected[i][0]) << i;
        EXPECT_EQ(bombSites[i].originY, expected[i][1]) << i;
        EXPECT_EQ(bombSites[i].state, Lying) << i;
    }
    EXPECT_TRUE(drawnAt(tileBank.openSpace, 320, 160));
    EXPECT_EQ(mazeGrid.at(5, 10), BombSiteMark) << "until the first frame";

    fillUntouched();
    drawMaze();
    EXPECT_EQ(mazeGrid.at(5, 10), Open);
    EXPECT_EQ(mazeGrid.at(1, 9), Open);
    EXPECT_EQ(mazeGrid.at(0, 4), BombSiteMark) << "row 0 is never redrawn";
    EXPECT_TRUE(tileUntouched(10, 5)) << "nothing is drawn for the mark in that frame";
}

} // namespace
