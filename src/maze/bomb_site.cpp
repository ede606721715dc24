// Putting the level's bombs back on their sites after a lost life.
#include "maze/bomb_site.h"

#include "core/game_state.h"

void resetBombSites() {
    for (BombSite& site : bombSites) {
        site.state = Lying;
        site.x = site.originX;
        site.y = site.originY;
    }
}
