// The player's moves: walking from the keys held down, and the warp.
#pragma once

#include <cstdint>

class Actor;

// Turns the player toward a held arrow (or the pad held that way) when that way is free, then
// steps it on.
void movePlayer();

// Moves the player to a random free tile in rows 2 to 18 that he could walk to from where he
// stands, and spends a warp. Returns false, changing nothing, when no such tile turned up in a
// bounded number of draws.
bool warpPlayer();

// The warp never lands in the top two rows: a draw of row 0 or 1 is moved down to this row.
constexpr int32_t warpTopRow = 2;

// How many random tiles a warp tries before it gives up on a maze with no free tile.
constexpr int32_t warpMaxDraws = 10000;

// One walking step in the actor's heading if the maze allows it; returns true when blocked.
bool stepActor(Actor& actor);

// Walking off one side of the maze comes back in on the other.
void wrapHorizontally(Actor& actor);
