// Bomb decisions, tried on a sandbox so the game's own bomb key says what a press would do.
#include "bot/bomb_tactics.h"

#include "actors/actor.h"
#include "bot/danger_map.h"
#include "bot/sandbox.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "rules/bombs.h"

#include <cstdlib>

namespace autopilot {

namespace {

// The player keeps this far from a bomb he sets off, since its blast lasts a few frames.
constexpr int32_t blastClearance = tileSize + 3 * walkStep;

int32_t countInState(BombSiteState state) {
    int32_t count = 0;
    for (const BombSite& site : bombSites) {
        count += site.state == state ? 1 : 0;
    }
    return count;
}

// What one press of the bomb key changes: how many bombs go off and how many get armed.
struct Press {
    int32_t exploding;
    int32_t armed;
};

Press tryBombKey() {
    const int32_t explodingBefore = countInState(Exploding);
    const int32_t armedBefore = countInState(Armed);
    Sandbox trial;
    trial.pressBomb();
    return {countInState(Exploding) - explodingBefore, countInState(Armed) - armedBefore};
}

bool playerClearOf(const BombSite& site) {
    return std::abs(player.x - site.x) > blastClearance ||
           std::abs(player.y - site.y) > blastClearance;
}

} // namespace

bool bombKeyDrops() {
    return player.bombs > 0 && tryBombKey().armed > 0;
}

bool blastWouldCatch() {
    bool catches = false;
    for (const BombSite& site : bombSites) {
        if (site.state != Armed || !playerClearOf(site)) {
            continue;
        }
        for (const Actor* enemy : enemies) {
            catches = catches || (isThreat(*enemy) && overlapsTile(*enemy, site.x, site.y));
        }
    }
    return catches && tryBombKey().exploding > 0;
}

} // namespace autopilot
