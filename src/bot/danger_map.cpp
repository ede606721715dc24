// The danger map: breadth-first distances from the enemies that can catch the player.
#include "bot/danger_map.h"

#include "actors/actor.h"
#include "core/game_state.h"

#include <algorithm>

namespace autopilot {

namespace {

// A frightened enemy this close to waking up is treated as awake already.
constexpr int32_t wakingFrames = 24;
// Cells this close to a threat are closed to the planner; the next band costs extra.
constexpr int32_t closedReach = 1;
constexpr int32_t nearReach = 3;
constexpr int32_t nearCost = 6;
constexpr int32_t farReach = 5;
constexpr int32_t farCost = 2;
// How many cells ahead of an enemy on its heading are closed.
constexpr int32_t cellsAhead = 3;
constexpr int32_t threatCap = 12;

} // namespace

bool isThreat(const Actor& enemy) {
    return enemy.state == Active ||
           (enemy.state == Scared && enemy.stateTimerActive && enemy.stateTimer < wakingFrames);
}

DistanceField threatDistances() {
    std::vector<Cell> sources;
    for (const Actor* enemy : enemies) {
        if (isThreat(*enemy)) {
            sources.push_back(actorCell(*enemy));
        }
    }
    return distancesFrom(sources, Walker::Enemy);
}

DistanceField dangerCosts(const DistanceField& threats) {
    DistanceField cost;
    for (Cell cell = 0; cell < mazeCells; ++cell) {
        const int32_t reach = threats[cell];
        cost[cell] = reach <= closedReach ? unreachable
                     : reach <= nearReach ? nearCost
                     : reach <= farReach  ? farCost
                                          : 0;
    }
    for (const Actor* enemy : enemies) {
        if (!isThreat(*enemy)) {
            continue;
        }
        Cell cell = actorCell(*enemy);
        for (int32_t step = 0; step < cellsAhead && cell != noCell; ++step) {
            cell = neighbour(cell, enemy->direction);
            if (!walkable(cell, Walker::Enemy)) {
                break;
            }
            cost[cell] = unreachable;
        }
    }
    return cost;
}

int32_t nearestThreat(const DistanceField& threats) {
    const Cell here = actorCell(player);
    return here == noCell ? 0 : std::min(threats[here], threatCap);
}

} // namespace autopilot
