// Drawing the maze: the per-frame pass that repaints it and animates dots and power items, and
// the wall pieces.
#include "maze/maze_drawing.h"

#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"
#include "platform/video.h"

namespace {

constexpr int32_t lastDotFrame = dotFrameCount - 1;
constexpr int32_t lastPowerFrame = powerFrameCount - 1;

} // namespace

void drawWallPiece(int32_t code, Sint16 x, Sint16 y) {
    if (isWallCode(code)) {
        blitCell(tileBank.walls[code - WallFirst], x, y);
    }
}

void drawMaze() {
    // Row 0 belongs to the status line and is drawn only when a level is built.
    for (int32_t row = 1; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            const Sint16 x = static_cast<Sint16>(column * tileSize);
            const Sint16 y = static_cast<Sint16>(row * tileSize);
            const int32_t code = mazeGrid.at(row, column);
            // The player's start cell holds a dot until he eats it.
            if (code == PlayerStart || isDotCode(code)) {
                blitCell(tileBank.dotImages[dotFrame], x, y);
                continue;
            }
            switch (code) {
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
