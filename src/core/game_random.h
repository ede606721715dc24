// The game's own random numbers (warps, the way an eaten enemy leaves its pen, the victory
// texts): the additive feedback generator of the GNU C library's rand(), so that a seed draws
// the same numbers on every platform and a demo, recorded wherever, replays into the same game.
#pragma once

#include <cstdint>

// The largest number a draw gives; draws run from 0 to it.
constexpr int32_t gameRandomMax = 2147483647;

// Starts the draws over from a seed; a game that never seeds draws as from seed 1.
void seedGameRandom(uint32_t seed);

int32_t gameRandom();
