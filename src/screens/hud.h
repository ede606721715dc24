// The status line in the top tile row: score, bombs, lives, time and warps.
#pragma once

#include <cstdint>

// Seconds shown at most: the clock stops at 9:58.
constexpr int32_t maxLevelSeconds = 598;

// Updates the status line: the time every frame, a number when it changed, everything in the
// first second of a level.
void drawHud();
