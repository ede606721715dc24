#include "chase_sim.h"

#include "shell/shared_types.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t stepPixels = 4;
constexpr int32_t wrapLeftTo = (mazeColumns - 1) * tileSize; // 768
constexpr int32_t touchReach = 19;
constexpr int32_t noHint = -1;

struct EnemyStart {
    int32_t homeCode;
    int32_t direction;
    int32_t releaseFrames; // penned for this many frames after the level starts
};

constexpr EnemyStart enemyStarts[] = {
    {RedHome, ChaseNorth, 0},
    {PurpleHome, ChaseEast, 50},
    {BlueHome, ChaseWest, 100},
    {YellowHome, ChaseEast, 150},
};

int32_t cellCode(const ChaseMaze& maze, int32_t row, int32_t column) {
    if (row < 0 || row >= mazeRows || column < 0 || column >= mazeColumns) {
        return WallFirst; // nothing outside the grid can be walked
    }
    return maze.cells[row * mazeColumns + column];
}

bool atPlayer(const ChaseMaze& maze, int32_t x, int32_t y) {
    const int32_t dx = x - maze.playerX;
    const int32_t dy = y - maze.playerY;
    return (dy == 0 && (dx == 0 || std::abs(dx) == stepPixels)) ||
           (dx == 0 && std::abs(dy) == stepPixels);
}

int32_t reverseOf(int32_t direction) {
    return direction == ChaseWest ? ChaseEast : ChaseWest;
}

void stepIn(ChaseActor& enemy, int32_t direction) {
    enemy.x += direction == ChaseWest ? -stepPixels : direction == ChaseEast ? stepPixels : 0;
    enemy.y += direction == ChaseNorth ? -stepPixels : direction == ChaseSouth ? stepPixels : 0;
}

bool freeToward(const ChaseMaze& maze, const ChaseActor& enemy, int32_t direction) {
    ChaseActor ahead = enemy;
    stepIn(ahead, direction);
    return !chaseProbe(maze, ahead.x, ahead.y);
}

void turnWhenBlocked(const ChaseMaze& maze, ChaseActor& enemy) {
    if (enemy.direction == ChaseNorth || enemy.direction == ChaseSouth) {
        if (maze.playerX < enemy.x) {
            enemy.direction = freeToward(maze, enemy, ChaseWest) ? ChaseWest : ChaseEast;
        } else {
            enemy.direction = freeToward(maze, enemy, ChaseEast) ? ChaseEast : ChaseWest;
        }
        return;
    }
    const int32_t blocked = enemy.direction;
    if (maze.playerY < enemy.y) {
        enemy.direction = freeToward(maze, enemy, ChaseNorth) ? ChaseNorth : ChaseSouth;
    } else {
        enemy.direction = freeToward(maze, enemy, ChaseSouth) ? ChaseSouth : ChaseNorth;
    }
    if (enemy.penned) {
        enemy.direction = reverseOf(blocked);
    }
}

void seekPlayer(const ChaseMaze& maze, ChaseActor& enemy) {
    int32_t toward = -1;
    if (maze.playerX == enemy.x) {
        toward = maze.playerY < enemy.y ? ChaseNorth : ChaseSouth;
    } else if (maze.playerY == enemy.y) {
        toward = maze.playerX < enemy.x ? ChaseWest : ChaseEast;
    }
    if (toward >= 0 && freeToward(maze, enemy, toward)) {
        enemy.direction = toward;
    }
}

void followMark(const ChaseMaze& maze, ChaseActor& enemy, int32_t hint) {
    struct MarkTurn {
        int32_t dot, mark, direction, never;
        bool wanted;
    };
    const MarkTurn turns[] = {
        {DotNorth, NorthMark, ChaseNorth, ChaseSouth, maze.playerY < enemy.y},
        {DotSouth, SouthMark, ChaseSouth, ChaseNorth, maze.playerY > enemy.y},
        {DotEast, EastMark, ChaseEast, ChaseWest, maze.playerX > enemy.x},
        {DotWest, WestMark, ChaseWest, ChaseEast, maze.playerX < enemy.x},
    };
    for (const MarkTurn& turn : turns) {
        if (enemy.direction != turn.never && (hint == turn.dot || hint == turn.mark)) {
            if (turn.wanted && freeToward(maze, enemy, turn.direction)) {
                enemy.direction = turn.direction;
            }
            return;
        }
    }
}

bool touches(const ChaseActor& enemy, int32_t x, int32_t y) {
    return std::abs(enemy.x - x) <= touchReach && std::abs(enemy.y - y) <= touchReach;
}

} // namespace

bool chaseProbe(const ChaseMaze& maze, int32_t x, int32_t y) {
    const int32_t column = x / tileSize;
    const int32_t row = y / tileSize;
    const bool gate = atPlayer(maze, x, y);
    for (int32_t r = row; r == row || (r == row + 1 && tileSize * r <= y + tileSize - 1); ++r) {
        for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
            const int32_t code = cellCode(maze, r, c);
            if (isWallCode(code) || (gate && code == Door)) {
                return true;
            }
        }
    }
    return false;
}

int32_t chaseHint(const ChaseMaze& maze, int32_t x, int32_t y) {
    const int32_t column = x / tileSize;
    const int32_t row = y / tileSize;
    const auto inside = [&](int32_t r, int32_t c) {
        return r >= 0 && r < mazeRows && c >= 0 && c < mazeColumns;
    };
    for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
        const int32_t code = inside(row, c) ? maze.cells[row * mazeColumns + c] : noHint;
        if (code >= DotSeek && code <= EastMark) {
            return code;
        }
    }
    if (tileSize * (row + 1) <= y + tileSize - 1) {
        for (int32_t c = column; tileSize * c <= x + tileSize - 1; ++c) {
            const int32_t code =
                inside(row + 1, c) ? maze.cells[(row + 1) * mazeColumns + c] : noHint;
            // The lower row steers only north, south and seek: an enemy moving vertically
            // meets an east or west mark once it is fully on it.
            if (code == DotSeek || code == DotNorth || code == DotSouth || code == NorthMark ||
                code == SouthMark || code == SeekMark) {
                return code;
            }
        }
    }
    return noHint;
}

void chaseStep(const ChaseMaze& maze, ChaseActor& enemy) {
    const bool blocked = !freeToward(maze, enemy, enemy.direction);
    if (blocked) {
        turnWhenBlocked(maze, enemy);
    } else {
        stepIn(enemy, enemy.direction);
    }
    if (enemy.x < 0) {
        enemy.x = wrapLeftTo;
    } else if (enemy.x > wrapLeftTo - 1) {
        enemy.x = 0;
    }
    const int32_t hint = chaseHint(maze, enemy.x, enemy.y);
    if ((!blocked && hint == DotSeek) || hint == SeekMark) {
        seekPlayer(maze, enemy);
        return;
    }
    if (!blocked) {
        followMark(maze, enemy, hint);
    }
}

int32_t framesToCatch(const std::vector<int32_t>& cells, int32_t homeCode, int32_t playerCell,
                      int32_t maxFrames) {
    const auto start = std::find_if(std::begin(enemyStarts), std::end(enemyStarts),
                                    [&](const EnemyStart& e) { return e.homeCode == homeCode; });
    const auto home = std::find(cells.begin(), cells.end(), homeCode);
    if (start == std::end(enemyStarts) || home == cells.end()) {
        return -1;
    }
    const int32_t homeCell = static_cast<int32_t>(home - cells.begin());
    const ChaseMaze maze{cells, playerCell % mazeColumns * tileSize,
                         playerCell / mazeColumns * tileSize};
    ChaseActor enemy{homeCell % mazeColumns * tileSize, homeCell / mazeColumns * tileSize,
                     start->direction, start->releaseFrames > 0};
    for (int32_t frame = 1; frame <= maxFrames; ++frame) {
        chaseStep(maze, enemy);
        if (!enemy.penned && touches(enemy, maze.playerX, maze.playerY)) {
            return frame;
        }
        if (frame >= start->releaseFrames) {
            enemy.penned = false; // the release timer ends on its last tick, after the move
        }
    }
    return -1;
}
