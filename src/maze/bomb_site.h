// One bomb of the level and the list of them.
#pragma once

#include <cstdint>

enum BombSiteState : int32_t { Lying = 0, Carried = 1, Armed = 2, Exploding = 3, Spent = 4 };

struct BombSite {
    int32_t x = 0;
    int32_t y = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t state = Lying;
};

// Puts every bomb of the level back on its own site, whatever became of it.
void resetBombSites();
