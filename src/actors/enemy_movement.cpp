// The enemies' steering: walk on until blocked, turn toward the player when blocked or on a
// steering mark, and never read a cell outside the maze.
#include "actors/enemy_movement.h"

#include "actors/actor.h"
#include "actors/player_control.h"
#include "actors/probe.h"
#include "core/game_state.h"
#include "maze/maze_grid.h"

namespace {

bool isVerticalMark(int32_t code) {
    return code == DotSeek || code == DotNorth || code == DotSouth || code == NorthMark ||
           code == SouthMark || code == SeekMark;
}

bool freeNorth(const Actor& e) {
    return !probeMaze(e.x, e.y - walkStep);
}
bool freeSouth(const Actor& e) {
    return !probeMaze(e.x, e.y + walkStep);
}
bool freeWest(const Actor& e) {
    return !probeMaze(e.x - walkStep, e.y);
}
bool freeEast(const Actor& e) {
    return !probeMaze(e.x + walkStep, e.y);
}

// A blocked enemy turns onto the other axis, toward the player when that way is free. The
// fallback heading is not tested: if it is blocked too, the enemy waits and chooses again.
void chooseAfterBlock(Actor& e) {
    const int32_t blockedHeading = e.direction;
    if (blockedHeading == North || blockedHeading == South) {
        if (player.x < e.x) {
            e.direction = freeWest(e) ? West : East;
        } else {
            e.direction = freeEast(e) ? East : West;
        }
        return;
    }
    if (player.y < e.y) {
        e.direction = freeNorth(e) ? North : South;
    } else {
        e.direction = freeSouth(e) ? South : North;
    }
    // Penned enemies pace their pen: blocked sideways, they simply turn back.
    if (e.state == Penned) {
        e.direction = blockedHeading == West ? East : West;
    }
}

// A seek mark turns the enemy toward the player when exactly in line with it.
void seekPlayer(Actor& e) {
    if (player.x == e.x) {
        if (player.y < e.y) {
            if (freeNorth(e)) {
                e.direction = North;
            }
        } else if (freeSouth(e)) {
            e.direction = South;
        }
    } else if (player.y == e.y) {
        if (player.x < e.x) {
            if (freeWest(e)) {
                e.direction = West;
            }
        } else if (freeEast(e)) {
            e.direction = East;
        }
    }
}

// A directional mark turns the enemy its way when the player lies that way; never straight back.
void followMark(Actor& e, int32_t hint) {
    if (e.direction != South && (hint == DotNorth || hint == NorthMark)) {
        if (player.y < e.y && freeNorth(e)) {
            e.direction = North;
        }
    } else if (e.direction != North && (hint == DotSouth || hint == SouthMark)) {
        if (player.y > e.y && freeSouth(e)) {
            e.direction = South;
        }
    } else if (e.direction != West && (hint == DotEast || hint == EastMark)) {
        if (player.x > e.x && freeEast(e)) {
            e.direction = East;
        }
    } else if (e.direction != East && (hint == DotWest || hint == WestMark)) {
        if (player.x < e.x && freeWest(e)) {
            e.direction = West;
        }
    }
}

} // namespace

int32_t hintAt(int32_t x, int32_t y) {
    const int32_t column = x / tileSize;
    const int32_t row = y / tileSize;
    for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
        const int32_t code = mazeGrid.at(row, c);
        if (isSteeringCode(code)) {
            return code;
        }
    }
    if (tileSize * (row + 1) <= y + tileSize - 1) {
        for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
            const int32_t code = mazeGrid.at(row + 1, c);
            if (isVerticalMark(code)) {
                return code;
            }
        }
    }
    return -1;
}

void moveEnemy(Actor& e) {
    const bool blocked = stepActor(e);
    if (blocked) {
        chooseAfterBlock(e);
    }
    wrapHorizontally(e);
    const int32_t hint = hintAt(e.x, e.y);
    if ((!blocked && hint == DotSeek) || hint == SeekMark) {
        seekPlayer(e);
        return;
    }
    if (blocked) {
        return;
    }
    followMark(e, hint);
}
