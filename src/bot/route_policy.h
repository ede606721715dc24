// The bot's everyday steering: pick a goal (a frightened enemy it can still reach, a power item
// when chased, else the nearest dot) and head along the cheapest safe route to it.
#pragma once

#include <SDL.h>

#include "actors/actor.h"
#include "bot/danger_map.h"

namespace autopilot {

// The heading to take at the player's current cell, or None when nothing is worth going to.
int32_t routeHeading();

// While set, the player heads for a power item as if chased: after a long time without a dot,
// frightened enemies are the way into corners they guard.
void seekPowerItems(bool seek);

// The ways the player can walk from where he stands: every free way at a cell corner, else
// on along his heading or back.
std::vector<int32_t> playerExits();

// Steps from the player to the nearest dot, ignoring the enemies; unreachable when none can be
// walked to.
int32_t stepsToNearestDot();

} // namespace autopilot
