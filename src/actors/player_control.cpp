// The player's moves: walking from the arrows held down and the warp; also the walking step and
// wrap every actor shares.
#include "actors/player_control.h"

#include "actors/actor.h"
#include "actors/probe.h"
#include "assets/sound_bank.h"
#include "core/game_random.h"
#include "core/game_state.h"
#include "maze/reach.h"
#include "platform/controls.h"
#include "platform/gamepad.h"

#include <vector>

namespace {

constexpr int32_t warpTopY = warpTopRow * tileSize;

// The one to four cells under the player's box: the places he stands on right now.
std::vector<int32_t> cellsUnderPlayer() {
    std::vector<int32_t> cells;
    const auto floorDiv = [](int32_t v) {
        return v >= 0 ? v / tileSize : -((-v + tileSize - 1) / tileSize);
    };
    const int32_t row = floorDiv(player.y);
    const int32_t column = floorDiv(player.x);
    const int32_t lastRow = player.y % tileSize == 0 ? row : row + 1;
    const int32_t lastColumn = player.x % tileSize == 0 ? column : column + 1;
    for (int32_t r = row; r <= lastRow; ++r) {
        for (int32_t c = column; c <= lastColumn; ++c) {
            const int32_t wrapped = (c % mazeColumns + mazeColumns) % mazeColumns;
            if (MazeGrid::inside(r, wrapped)) {
                cells.push_back(r * mazeColumns + wrapped);
            }
        }
    }
    return cells;
}

} // namespace

bool stepActor(Actor& actor) {
    switch (actor.direction) {
    case North:
        if (probeMaze(actor.x, actor.y - walkStep)) {
            return true;
        }
        actor.moveUp();
        return false;
    case South:
        if (probeMaze(actor.x, actor.y + walkStep)) {
            return true;
        }
        actor.moveDown();
        return false;
    case West:
        if (probeMaze(actor.x - walkStep, actor.y)) {
            return true;
        }
        actor.moveLeft();
        return false;
    case East:
        if (probeMaze(actor.x + walkStep, actor.y)) {
            return true;
        }
        actor.moveRight();
        return false;
    default:
        return false;
    }
}

void wrapHorizontally(Actor& actor) {
    if (actor.x < 0) {
        actor.x = lastColumnX;
    } else if (actor.x >= lastColumnX) {
        actor.x = 0;
    }
}

bool warpPlayer() {
    const int32_t oldX = player.x;
    const int32_t oldY = player.y;
    // Only a cell the player could walk to will do: one in the enemies' pen or in a pocket
    // closed by walls would leave him stuck until the next warp.
    const ReachedCells reachable = cellsPlayerReaches(mazeGrid, cellsUnderPlayer());
    for (int32_t draw = 0; draw < warpMaxDraws; ++draw) {
        const int32_t x = (gameRandom() % mazeColumns) * tileSize;
        int32_t y = (gameRandom() % mazeRows) * tileSize;
        if (y < warpTopY) {
            y = warpTopY;
        }
        if (!reachable[(y / tileSize) * mazeColumns + x / tileSize]) {
            continue;
        }
        player.setX(x);
        player.setY(y);
        // The probe at the player's new place also eats whatever lies there.
        if (!probeMaze(x, y)) {
            soundBank.playSound(SfxWarp);
            --player.warps;
            return true;
        }
    }
    player.setX(oldX);
    player.setY(oldY);
    return false;
}

void movePlayer() {
    // The pad's d-pad and stick hold a way exactly as an arrow key does.
    auto held = [](Direction heading) {
        return (keyState != nullptr && keyState[walkKey(heading)] != 0) || padHolds(heading);
    };
    if (held(North) && !probeMaze(player.x, player.y - walkStep)) {
        player.direction = North;
    }
    if (held(South) && !probeMaze(player.x, player.y + walkStep)) {
        player.direction = South;
    }
    if (held(West) && !probeMaze(player.x - walkStep, player.y)) {
        player.direction = West;
    }
    if (held(East) && !probeMaze(player.x + walkStep, player.y)) {
        player.direction = East;
    }
    stepActor(player);
    wrapHorizontally(player);
}
