// Goal choice and route following over the danger map.
#include "bot/route_policy.h"

#include "actors/actor.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"

namespace autopilot {

namespace {

// A frightened enemy is worth chasing only if it will still be frightened on arrival, with
// this many frames to spare.
constexpr int32_t chaseSpareFrames = 16;
// A threat this many cells away or closer sends the player for a power item.
constexpr int32_t chasedWithin = 5;
constexpr int32_t framesPerCell = tileSize / walkStep;

bool seekingPower = false;

int32_t reverseOf(int32_t heading) {
    constexpr int32_t reversed[] = {South, North, East, West, None};
    return heading >= North && heading <= None ? reversed[heading] : None;
}

Cell cellAt(int32_t x, int32_t y) {
    Actor spot(None, Active, PlayerKind);
    spot.x = x;
    spot.y = y;
    return actorCell(spot);
}

// The nearest cell by the given distances among those the test accepts.
template <typename Accept> Cell nearest(const DistanceField& distance, Accept accept) {
    Cell best = noCell;
    for (Cell cell = 0; cell < mazeCells; ++cell) {
        if (distance[cell] < unreachable && accept(cell) &&
            (best == noCell || distance[cell] < distance[best])) {
            best = cell;
        }
    }
    return best;
}

Cell frightenedEnemyGoal(const DistanceField& distance) {
    Cell best = noCell;
    for (const Actor* enemy : enemies) {
        const Cell cell = actorCell(*enemy);
        if (enemy->state != Scared || cell == noCell || distance[cell] >= unreachable) {
            continue;
        }
        const bool inTime = enemy->stateTimer > distance[cell] * framesPerCell + chaseSpareFrames;
        if (inTime && (best == noCell || distance[cell] < distance[best])) {
            best = cell;
        }
    }
    return best;
}

Cell chooseGoal(const DistanceField& distance, const DistanceField& threats, bool chased) {
    const Cell prey = frightenedEnemyGoal(distance);
    if (prey != noCell) {
        return prey;
    }
    if (chased) {
        const Cell power = nearest(distance, [&](Cell cell) {
            return mazeGrid.cells[cell] == PowerItem && distance[cell] < threats[cell];
        });
        if (power != noCell) {
            return power;
        }
    }
    std::vector<bool> bombCell(mazeCells, false);
    for (const BombSite& site : bombSites) {
        const Cell cell = cellAt(site.x, site.y);
        if (site.state == Lying && cell != noCell) {
            bombCell[cell] = true;
        }
    }
    return nearest(distance,
                   [&](Cell cell) { return isDotCode(mazeGrid.cells[cell]) || bombCell[cell]; });
}

// The free way out that leads furthest from the threats.
int32_t safestExit(const DistanceField& threats) {
    const Cell here = actorCell(player);
    int32_t best = None;
    int32_t bestReach = -1;
    for (int32_t heading : playerExits()) {
        const Cell next = neighbour(here, heading);
        const int32_t reach = next == noCell ? 0 : threats[next];
        if (reach > bestReach) {
            best = heading;
            bestReach = reach;
        }
    }
    return best;
}

} // namespace

void seekPowerItems(bool seek) {
    seekingPower = seek;
}

std::vector<int32_t> playerExits() {
    std::vector<int32_t> exits;
    if (!onCellCorner(player)) {
        if (player.direction != None) {
            exits = {player.direction, reverseOf(player.direction)};
        }
        return exits;
    }
    const Cell here = actorCell(player);
    for (int32_t heading : {North, South, West, East}) {
        if (walkable(neighbour(here, heading), Walker::Player)) {
            exits.push_back(heading);
        }
    }
    return exits;
}

int32_t routeHeading() {
    const Cell here = actorCell(player);
    if (here == noCell) {
        return None;
    }
    const DistanceField threats = threatDistances();
    const DistanceField plain = distancesFrom({here}, Walker::Player);
    const bool chased = seekingPower || nearestThreat(threats) <= chasedWithin;
    DistanceField costs = dangerCosts(threats);
    for (Cell cell = 0; cell < mazeCells; ++cell) {
        if (cell != here && threats[cell] <= plain[cell]) {
            // A threat gets there first: no route goes through.
            costs[cell] = unreachable;
        } else if (!chased && mazeGrid.cells[cell] == PowerItem && costs[cell] < unreachable) {
            // Power items are kept for when an enemy is on the player's heels.
            costs[cell] = maxExtraCost;
        }
    }
    DistanceField distance = distancesFrom({here}, Walker::Player, &costs);
    Cell goal = chooseGoal(distance, threats, chased);
    if (goal == noCell) {
        // Every goal is behind a threat: plan as if the way were clear, and let the trials
        // judge whether it is.
        distance = plain;
        goal = chooseGoal(distance, threats, chased);
    }
    const int32_t heading = firstHeadingToward(here, goal, distance);
    return heading != None ? heading : safestExit(threats);
}

int32_t stepsToNearestDot() {
    const Cell here = actorCell(player);
    if (here == noCell) {
        return unreachable;
    }
    const DistanceField distance = distancesFrom({here}, Walker::Player);
    const Cell dot = nearest(distance, [](Cell cell) { return isDotCode(mazeGrid.cells[cell]); });
    return dot == noCell ? unreachable : distance[dot];
}

} // namespace autopilot
