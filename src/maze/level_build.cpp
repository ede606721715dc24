// Building a level from the maze grid (picture, actors' homes, dots, bomb sites) and the
// per-frame maze pass that repaints it and animates dots and power items.
#include "maze/level_build.h"

#include "actors/actor.h"
#include "assets/tile_bank.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"
#include "shell/game_state.h"
#include "shell/video.h"

namespace {

constexpr int32_t lastDotFrame = dotFrameCount - 1;
constexpr int32_t lastPowerFrame = powerFrameCount - 1;

void drawWallPiece(int32_t code, Sint16 x, Sint16 y) {
    if (isWallCode(code)) {
        blitCell(tileBank.walls[code - WallFirst], x, y);
    }
}

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
            switch (code) {
            case Door:
                blitCell(tileBank.door, sx, sy);
                break;
            case Dot:
            case DotSeek:
            case DotNorth:
            case DotSouth:
            case DotWest:
            case DotEast:
                blitCell(tileBank.dotImages[0], sx, sy);
                ++ediblesLeft;
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

void drawMaze() {
    // Row 0 belongs to the status line and is drawn only when a level is built.
    for (int32_t row = 1; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            const Sint16 x = static_cast<Sint16>(column * tileSize);
            const Sint16 y = static_cast<Sint16>(row * tileSize);
            const int32_t code = mazeGrid.at(row, column);
            switch (code) {
            case PlayerStart:
            case DotSeek:
            case DotNorth:
            case DotSouth:
            case DotWest:
            case DotEast:
            case Dot:
                blitCell(tileBank.dotImages[dotFrame], x, y);
                break;
            case Open:
            case RedHome:
            case PurpleHome:
            case BlueHome:
            case YellowHome:
            case NorthMark:
            case SouthMark:
            case SeekMark:
            case WestMark:
            case EastMark:
                blitCell(tileBank.openSpace, x, y);
                break;
            case PowerItem:
                blitCell(tileBank.powerImages[powerFrame], x, y);
                break;
            case Door:
                blitCell(tileBank.door, x, y);
                break;
            case BombSiteMark:
                // The bomb itself is a record now; its cell becomes floor from the next frame.
                if (!bombSites.empty()) {
                    mazeGrid.set(row, column, Open);
                }
                break;
            default:
                drawWallPiece(code, x, y);
                break;
            }
        }
    }
    ++powerFrame;
    if (powerFrame > lastPowerFrame) {
        powerFrame = 0;
    }
    dotFrame += dotFrameRising ? 1 : -1;
    if (dotFrame == lastDotFrame || dotFrame == 0) {
        dotFrameRising = !dotFrameRising;
    }
}
