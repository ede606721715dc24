// How the enemies walk and steer toward the player.
#pragma once

#include <cstdint>

class Actor;

// The steering mark under a 32 x 32 box at (x, y): a code 7 to 16, or -1 for none. The row
// below the box's top row counts only for the seek, north and south marks.
int32_t hintAt(int32_t x, int32_t y);

// One frame of an enemy: step on, turn toward the player when blocked or at a mark, wrap.
void moveEnemy(Actor& enemy);
