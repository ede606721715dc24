// A model of how the enemies walk, to see whether a level's steering marks make them chase.
// It follows the game's enemy rules: keep the heading until blocked, then turn toward the
// player on the other axis; at marks, turn toward the player when aligned with a free side.
#pragma once

#include <cstdint>
#include <vector>

enum ChaseDirection : int32_t { ChaseNorth = 0, ChaseSouth = 1, ChaseWest = 2, ChaseEast = 3 };

struct ChaseActor {
    int32_t x = 0;
    int32_t y = 0;
    int32_t direction = ChaseNorth;
    bool penned = false;
};

// The grid as the enemies read it. The player stands still and eats nothing.
struct ChaseMaze {
    const std::vector<int32_t>& cells;
    int32_t playerX;
    int32_t playerY;
};

// True when a 32-pixel box at (x, y) is blocked: by a wall, by a cell outside the grid, or by
// the door when (x, y) is at the player or one step from it.
bool chaseProbe(const ChaseMaze& maze, int32_t x, int32_t y);

// The steering mark (7 … 16) under a box at (x, y), or -1.
int32_t chaseHint(const ChaseMaze& maze, int32_t x, int32_t y);

// One frame of an enemy's walk.
void chaseStep(const ChaseMaze& maze, ChaseActor& enemy);

// Frames until the enemy whose home holds homeCode touches a player standing on playerCell,
// starting as a level starts (penned for its release delay), or -1 if it has not within
// maxFrames.
int32_t framesToCatch(const std::vector<int32_t>& cells, int32_t homeCode, int32_t playerCell,
                      int32_t maxFrames);
