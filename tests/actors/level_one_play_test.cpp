// Plays the first level through the real frame loop with held arrows and checks the score, the
// dots left, the positions and what each frame put on the screen.
#include "maze/level_progression.h"
#include "shell/game_loop.h"
#include "shell/game_state.h"
#include "support/game_fixture.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr Uint32 seeThrough = 0xFF00FF;
constexpr int framesOfPlay = 320;
constexpr int framesPerArrow = 40;
constexpr Uint32 framePaceMs = 28;

std::vector<int32_t> levelFileValues() {
    std::ifstream in("level1.txt");
    std::vector<int32_t> values;
    int32_t value = 0;
    while (values.size() < static_cast<std::size_t>(mazeCells) && in >> value) {
        values.push_back(value);
    }
    return values;
}

int edibleCells() {
    int count = 0;
    for (int32_t code : mazeGrid.cells) {
        count += isDotCode(code) ? 1 : 0;
    }
    return count;
}

bool insideBox(const Actor& actor, int x, int y) {
    return x >= actor.x && x < actor.x + tileSize && y >= actor.y && y < actor.y + tileSize;
}

// The actors the last frame drew: the player, and the enemies unless it was knocked out.
std::vector<const Actor*> drawnActors() {
    std::vector<const Actor*> drawn{&player};
    if (player.state != Punched) {
        drawn.insert(drawn.end(), std::begin(enemies), std::end(enemies));
    }
    return drawn;
}

// Whether the picture shows at (x, y), looking only at pixels no later-drawn actor covers.
bool visibleAt(SDL_Surface* picture, int x, int y, const std::vector<const Actor*>& above,
               int stride) {
    if (picture == nullptr) {
        return false;
    }
    const bool keyed = (picture->flags & SDL_SRCCOLORKEY) != 0;
    for (int py = 0; py < picture->h; py += stride) {
        for (int px = 0; px < picture->w; px += stride) {
            bool covered = false;
            for (const Actor* actor : above) {
                covered = covered || insideBox(*actor, x + px, y + py);
            }
            const Uint32 wanted = surfacePixel(picture, px, py);
            if (!covered && !(keyed && wanted == seeThrough) &&
                screenPixel(x + px, y + py) != wanted) {
                return false;
            }
        }
    }
    return true;
}

bool blockedCell(int32_t row, int32_t column) {
    const int32_t code = mazeGrid.at(row, column);
    return isWallCode(code) || code == Door;
}

struct Arrow {
    SDLKey key;
    int32_t dx, dy;
};
constexpr std::array<Arrow, 4> arrows{
    {{SDLK_LEFT, -1, 0}, {SDLK_RIGHT, 1, 0}, {SDLK_UP, 0, -1}, {SDLK_DOWN, 0, 1}}};

// How many free tiles lie in a straight line from the player's start tile.
int freeRun(const Arrow& arrow) {
    int run = 0;
    int32_t column = player.x / tileSize + arrow.dx;
    int32_t row = player.y / tileSize + arrow.dy;
    while (MazeGrid::inside(row, column) && !blockedCell(row, column)) {
        ++run;
        column += arrow.dx;
        row += arrow.dy;
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
    const std::vector<int32_t> file = levelFileValues();
    ASSERT_EQ(file.size(), static_cast<std::size_t>(mazeCells)) << "level1.txt in the run dir";
    scripted::script.msPerPresent = framePaceMs;
    startNextLevel();
    ASSERT_EQ(levelNumber, 1);
    int startEdibles = 0;
    std::size_t sites = 0;
    for (int32_t cell = 0; cell < mazeCells; ++cell) {
        ASSERT_EQ(mazeGrid.cells[cell], file[cell]) << cell;
        startEdibles += isDotCode(file[cell]) ? 1 : 0;
        sites += file[cell] == BombSiteMark ? 1 : 0;
        if (file[cell] == PlayerStart) {
            EXPECT_EQ(player.x, cell % mazeColumns * tileSize);
            EXPECT_EQ(player.y, cell / mazeColumns * tileSize);
        }
    }
    ASSERT_GT(startEdibles, 0);
    EXPECT_EQ(ediblesLeft, startEdibles);
    EXPECT_EQ(bombSites.size(), sites);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(player.warps, 3);
    EXPECT_EQ(player.lives, 3);

    // First a straight walk down the longest corridor from the start tile.
    const Arrow* first = &arrows[0];
    for (const Arrow& arrow : arrows) {
        first = freeRun(arrow) > freeRun(*first) ? &arrow : first;
    }
    const int straightFrames = std::min(freeRun(*first), 4) * tileSize / walkStep;
    ASSERT_GT(straightFrames, 0) << "the start tile is walled in";
    const std::vector<uint8_t> edibleAtStart = [] {
        std::vector<uint8_t> edible;
        for (int32_t code : mazeGrid.cells) {
            edible.push_back(isDotCode(code) ? 1 : 0);
        }
        return edible;
    }();
    const int32_t startX = player.x;
    const int32_t startY = player.y;

    holdOnly(first->key);
    int frameCount = 0;
    for (; frameCount < framesOfPlay && player.lives > 1; ++frameCount) {
        if (frameCount >= straightFrames && frameCount % framesPerArrow == 0) {
            holdOnly(arrows[(frameCount / framesPerArrow) % arrows.size()].key);
        }
        const std::vector<int32_t> before(mazeGrid.cells.begin(), mazeGrid.cells.end());
        const int32_t score = player.score;
        const int32_t lives = player.lives;
        const int32_t x = player.x;
        const int32_t y = player.y;
        const int edibles = ediblesLeft;
        int scaredBefore = 0;
        std::array<std::array<int32_t, 3>, 4> enemiesBefore{};
        for (std::size_t i = 0; i < enemiesBefore.size(); ++i) {
            scaredBefore += enemies[i]->state == Scared ? 1 : 0;
            enemiesBefore[i] = {enemies[i]->x, enemies[i]->y, enemies[i]->state};
        }

        runFrameSteps();

        ASSERT_EQ(ediblesLeft, edibleCells()) << "frame " << frameCount;
        ASSERT_LE(ediblesLeft, edibles);
        int eatenEnemies = 0;
        for (const Actor* enemy : enemies) {
            eatenEnemies += enemy->state == Flung && enemy->phaseCounter == 1 ? 1 : 0;
        }
        if (player.lives == lives) {
            EXPECT_EQ(player.score - score, 10 * (edibles - ediblesLeft) + 50 * eatenEnemies)
                << "frame " << frameCount;
            const int32_t moved = std::abs(player.x - x) + std::abs(player.y - y);
            const bool wrapped = std::abs(player.x - x) >= 768 - walkStep;
            EXPECT_TRUE(moved <= walkStep || wrapped) << "frame " << frameCount;
            for (std::size_t i = 0; i < enemiesBefore.size(); ++i) {
                const Actor& enemy = *enemies[i];
                if (enemiesBefore[i][2] != Flung && enemy.state != Flung) {
                    const int32_t dx = std::abs(enemy.x - enemiesBefore[i][0]);
                    const int32_t dy = std::abs(enemy.y - enemiesBefore[i][1]);
                    EXPECT_TRUE(dx + dy <= walkStep || (dx >= 768 - walkStep && dy == 0))
                        << "enemy " << enemy.kind << " in frame " << frameCount;
                }
            }
        } else {
            EXPECT_EQ(player.x, player.homeX);
            EXPECT_EQ(player.y, player.homeY);
        }
        if (frameCount < straightFrames) {
            EXPECT_EQ(player.x, startX + first->dx * walkStep * (frameCount + 1));
            EXPECT_EQ(player.y, startY + first->dy * walkStep * (frameCount + 1));
            EXPECT_EQ(player.direction, first->key == SDLK_LEFT    ? West
                                        : first->key == SDLK_RIGHT ? East
                                        : first->key == SDLK_UP    ? North
                                                                   : South);
            EXPECT_EQ(scaredBefore, 0);
        }

        // The screen: the player's own sprite where it stands, eaten dots as bare floor.
        std::vector<const Actor*> drawn = drawnActors();
        const std::vector<const Actor*> aboveThePlayer(drawn.begin() + 1, drawn.end());
        if (player.state == Active) {
            EXPECT_TRUE(visibleAt(playerSet.frameFor(player.direction, player.animFrame), player.x,
                                  player.y, aboveThePlayer, 1))
                << "frame " << frameCount;
        }
        for (int32_t cell = mazeColumns; cell < mazeCells; ++cell) {
            if (edibleAtStart[cell] != 0 && !isDotCode(before[cell])) {
                ASSERT_TRUE(visibleAt(tileBank.openSpace, cell % mazeColumns * tileSize,
                                      cell / mazeColumns * tileSize, drawn, 3))
                    << "cell " << cell << " in frame " << frameCount;
            }
        }
    }
    EXPECT_GE(frameCount, straightFrames);
    EXPECT_LT(ediblesLeft, startEdibles);
    EXPECT_GT(player.score + 150 * (3 - player.lives), 0);
    EXPECT_EQ(scripted::script.presents, frameCount);
}

} // namespace
