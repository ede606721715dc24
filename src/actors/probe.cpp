// The maze probe: whether a box is blocked, and the player's meals (dots, power items) when
// the box is at the player.
#include "actors/probe.h"

#include "actors/actor.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "core/scoring.h"
#include "maze/maze_grid.h"

namespace {

constexpr int32_t scaredFrames = 150;

bool atPlayer(int32_t x, int32_t y) {
    const int32_t px = player.x;
    const int32_t py = player.y;
    return (y == py && (x == px || x == px + walkStep || x == px - walkStep)) ||
           (x == px && (y == py + walkStep || y == py - walkStep));
}

void frightenEnemies() {
    for (Actor* enemy : enemies) {
        if (enemy->state == Active) {
            enemy->setTimedState(Scared, scaredFrames, Active);
        }
    }
}

// What the player does to one cell under its probe; returns true when the cell blocks it.
bool takeCell(int32_t row, int32_t column) {
    const int32_t code = mazeGrid.at(row, column);
    if (code == Door) {
        return true;
    }
    if (isDotCode(code)) {
        soundBank.playSound(SfxCrunch);
        --ediblesLeft;
        player.score += dotPoints;
        mazeGrid.set(row, column, markUnderDot(code));
    } else if (code == PlayerStart) {
        mazeGrid.set(row, column, Open);
    } else if (code == PowerItem) {
        frightenEnemies();
        mazeGrid.set(row, column, Open);
    }
    return false;
}

} // namespace

bool probeMaze(int32_t x, int32_t y) {
    const int32_t column = x / tileSize;
    const int32_t row = y / tileSize;
    const bool eats = atPlayer(x, y);
    const int32_t lastRow = (tileSize * (row + 1) <= y + tileSize - 1) ? row + 1 : row;
    for (int32_t r = row; r <= lastRow; ++r) {
        for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
            if (isWallCode(mazeGrid.at(r, c))) {
                return true;
            }
            if (eats && takeCell(r, c)) {
                return true;
            }
        }
    }
    return false;
}
