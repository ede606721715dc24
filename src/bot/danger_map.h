// Where the enemies can hurt the player soon: how far each cell is from the nearest enemy that
// can catch him, and the extra cost the route planner puts on cells close to one.
#pragma once

#include "actors/actor.h"
#include "bot/maze_map.h"

namespace autopilot {

// Whether an enemy catches the player on touch now, or will before it could be reached.
bool isThreat(const Actor& enemy);

// Steps from the nearest threatening enemy to every cell (enemies pass the pen door).
DistanceField threatDistances();

// Extra costs for the player's routes: cells next to a threat and a few cells ahead of it on
// its heading are closed, cells near one cost more.
DistanceField dangerCosts(const DistanceField& threats);

// Steps from the player's cell to the nearest threat, capped.
int32_t nearestThreat(const DistanceField& threats);

} // namespace autopilot
