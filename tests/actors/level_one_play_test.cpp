// Plays the first level through the real frame loop with held arrows and checks the score, the
// dots left, the positions and what each frame put on the screen.
#include "maze/level_progression.h"
#include "shell/game_loop.h"
#include "support/game_fixture.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

constexpr int framesOfPlay = 320;
constexpr int framesPerArrow = 40;
constexpr int wrapJump = 768 - walkStep; // a step off one side lands on the other

// Whether the picture shows at (x, y), looking every stride pixels, except where one of the
// actors drawn after it covers the screen.
bool visibleAt(SDL_Surface* picture, int x, int y, const std::vector<const Actor*>& above,
               int stride) {
    for (int py = 0; picture != nullptr && py < picture->h; py += stride) {
        for (int px = 0; px < picture->w; px += stride) {
            const bool covered = std::any_of(above.begin(), above.end(), [&](const Actor* a) {
                return x + px >= a->x && x + px < a->x + tileSize && y + py >= a->y &&
                       y + py < a->y + tileSize;
            });
            if (!covered && isInk(picture, px, py) &&
                screenPixel(x + px, y + py) != surfacePixel(picture, px, py)) {
                return false;
            }
        }
    }
    return picture != nullptr;
}

struct Arrow {
    SDLKey key;
    int32_t dx, dy, heading;
};
constexpr std::array<Arrow, 4> arrows{{{SDLK_LEFT, -1, 0, West},
                                       {SDLK_RIGHT, 1, 0, East},
                                       {SDLK_UP, 0, -1, North},
                                       {SDLK_DOWN, 0, 1, South}}};

// How many free tiles lie in a straight line from the player's tile.
int freeRun(const Arrow& arrow) {
    int run = 0;
    for (int32_t row = player.y / tileSize + arrow.dy, column = player.x / tileSize + arrow.dx;
         MazeGrid::inside(row, column) && !isWallCode(mazeGrid.at(row, column)) &&
         mazeGrid.at(row, column) != Door;
         row += arrow.dy, column += arrow.dx) {
        ++run;
    }
    return run;
}

void holdOnly(SDLKey key) {
    for (const Arrow& arrow : arrows) {
        scripted::holdKey(arrow.key, arrow.key == key);
    }
}

class LevelOnePlayTest : public GameTest {};

TEST_F(LevelOnePlayTest, HeldArrowsWalkEatAndDrawThroughTheFrameLoop) {
    const std::vector<int32_t> file = levelFileCells(1);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(mazeCells)) << "level1.txt in the run dir";
    scripted::script.msPerPresent = 28;
    startNextLevel();
    ASSERT_EQ(levelNumber, 1);
    ASSERT_EQ(gridCells(), file);
    const auto start = std::find(file.begin(), file.end(), PlayerStart) - file.begin();
    EXPECT_EQ(player.x, start % mazeColumns * tileSize);
    EXPECT_EQ(player.y, start / mazeColumns * tileSize);
    const int startEdibles = static_cast<int>(std::count_if(file.begin(), file.end(), isDotCode));
    ASSERT_GT(startEdibles, 0);
    EXPECT_EQ(ediblesLeft, startEdibles);
    EXPECT_EQ(bombSites.size(),
              static_cast<std::size_t>(std::count(file.begin(), file.end(), BombSiteMark)));

    // First a straight walk down the longest corridor from the start tile.
    const Arrow first = *std::max_element(arrows.begin(), arrows.end(),
                                          [](auto& a, auto& b) { return freeRun(a) < freeRun(b); });
    const int straightFrames = std::min(freeRun(first), 4) * tileSize / walkStep;
    ASSERT_GT(straightFrames, 0) << "the start tile is walled in";
    const int32_t startX = player.x;
    const int32_t startY = player.y;
    holdOnly(first.key);
    int frame = 0;
    for (; frame < framesOfPlay && player.lives > 1; ++frame) {
        SCOPED_TRACE(frame);
        if (frame >= straightFrames && frame % framesPerArrow == 0) {
            holdOnly(arrows[(frame / framesPerArrow) % arrows.size()].key);
        }
        const std::vector<int32_t> before = gridCells();
        const Actor playerBefore = player;
        const int edibles = ediblesLeft;
        std::vector<Actor> enemiesBefore;
        for (const Actor* enemy : enemies) {
            enemiesBefore.push_back(*enemy);
        }

        runFrameSteps();

        ASSERT_EQ(ediblesLeft,
                  std::count_if(mazeGrid.cells.begin(), mazeGrid.cells.end(), isDotCode));
        int eatenEnemies = 0;
        for (const Actor* enemy : enemies) {
            eatenEnemies += enemy->state == Flung && enemy->phaseCounter == 1 ? 1 : 0;
        }
        if (player.lives == playerBefore.lives) {
            EXPECT_EQ(player.score - playerBefore.score,
                      10 * (edibles - ediblesLeft) + 50 * eatenEnemies);
            const int32_t dx = std::abs(player.x - playerBefore.x);
            EXPECT_TRUE(dx + std::abs(player.y - playerBefore.y) <= walkStep || dx >= wrapJump);
            for (std::size_t i = 0; i < enemiesBefore.size(); ++i) {
                if (enemiesBefore[i].state != Flung && enemies[i]->state != Flung) {
                    const int32_t ex = std::abs(enemies[i]->x - enemiesBefore[i].x);
                    const int32_t ey = std::abs(enemies[i]->y - enemiesBefore[i].y);
                    EXPECT_TRUE(ex + ey <= walkStep || (ex >= wrapJump && ey == 0))
                        << "enemy " << i;
                }
            }
        } else {
            EXPECT_EQ(player.x, player.homeX);
            EXPECT_EQ(player.y, player.homeY);
        }
        if (frame < straightFrames) {
            EXPECT_EQ(player.x, startX + first.dx * walkStep * (frame + 1));
            EXPECT_EQ(player.y, startY + first.dy * walkStep * (frame + 1));
            EXPECT_EQ(player.direction, first.heading);
        }

        // The screen: the player's own sprite where it stands, under the enemies drawn after it
        // (hidden while it is knocked out), and every eaten dot as bare floor.
        std::vector<const Actor*> drawn{&player};
        if (player.state != Punched) {
            drawn.insert(drawn.end(), std::begin(enemies), std::end(enemies));
        }
        if (player.state == Active) {
            EXPECT_TRUE(visibleAt(playerSet.frameFor(player.direction, player.animFrame), player.x,
                                  player.y, {drawn.begin() + 1, drawn.end()}, 1));
        }
        for (int32_t cell = mazeColumns; cell < mazeCells; ++cell) {
            if (isDotCode(file[cell]) && !isDotCode(before[cell])) {
                ASSERT_TRUE(visibleAt(tileBank.openSpace, cell % mazeColumns * tileSize,
                                      cell / mazeColumns * tileSize, drawn, 3))
                    << "cell " << cell;
            }
        }
    }
    EXPECT_GE(frame, straightFrames);
    EXPECT_LT(ediblesLeft, startEdibles);
    EXPECT_GT(player.score + 150 * (3 - player.lives), 0);
    EXPECT_EQ(scripted::script.presents, frame);
}

} // namespace
