// Setting a level up: placing the actors on their homes, counting the dots and listing the bomb
// sites of the maze just read, and starting a level afresh.
#include "rules/level_setup.h"

#include "actors/actor.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "maze/maze_drawing.h"
#include "maze/maze_grid.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "rules/enemy_release.h"

#include <iterator>

namespace {

void placeActor(Actor& actor, int32_t x, int32_t y) {
    actor.x = x;
    actor.y = y;
    actor.homeX = x;
    actor.homeY = y;
}

} // namespace

void buildLevel() {
    ediblesLeft = 0;
    std::vector<BombSite>().swap(bombSites);
    for (int32_t row = 0; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            const int32_t x = column * tileSize;
            const int32_t y = row * tileSize;
            const int32_t code = mazeGrid.at(row, column);
            const Sint16 sx = static_cast<Sint16>(x);
            const Sint16 sy = static_cast<Sint16>(y);
            if (isDotCode(code)) {
                blitCell(tileBank.dotImages[0], sx, sy);
                ++ediblesLeft;
                continue;
            }
            switch (code) {
            case Door:
                blitCell(tileBank.door, sx, sy);
                break;
            case Open:
                blitCell(tileBank.openSpace, sx, sy);
                break;
            case PlayerStart:
                placeActor(player, x, y);
                player.direction = None;
                break;
            case RedHome:
                // The red enemy keeps the heading it had: it leaves home at once.
                placeActor(redEnemy, x, y);
                break;
            case PurpleHome:
                placeActor(purpleEnemy, x, y);
                purpleEnemy.direction = East;
                break;
            case BlueHome:
                placeActor(blueEnemy, x, y);
                blueEnemy.direction = West;
                break;
            case YellowHome:
                placeActor(yellowEnemy, x, y);
                yellowEnemy.direction = East;
                break;
            case BombSiteMark: {
                blitCell(tileBank.openSpace, sx, sy);
                BombSite site;
                site.x = site.originX = x;
                site.y = site.originY = y;
                site.state = Lying;
                bombSites.push_back(site);
                break;
            }
            default:
                drawWallPiece(code, sx, sy);
                break;
            }
        }
    }
}

void startEnemyReleaseTimers() {
    for (size_t i = 0; i < std::size(enemies); ++i) {
        const int32_t frames = levelReleaseFrames[i];
        enemies[i]->setTimedState(frames == 0 ? Active : Penned, frames, Active);
    }
}

void restartLevel(int32_t level) {
    player.bombs = 0;
    player.score = 0;
    player.warps = warpsPerLevel;
    if (player.lives < livesAtStart) {
        player.lives = livesAtStart;
    }
    startEnemyReleaseTimers();
    loadLevel(level);
}

void loadLevel(int32_t level) {
    // Without a maze there is nothing to play: the old level's eaten grid would read as won.
    if (!readLevelFile(levelFileName(level))) {
        quitRequested = 1;
        exitStatus = 1;
        return;
    }
    buildLevel();
    levelStartTicks = platform.getTicks();
    hudLabelsDrawn = false;
}
