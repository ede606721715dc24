// All global objects are defined in this one file so that they are constructed in exactly
// this order and destroyed in the reverse.
#include "core/game_state.h"

#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"

#include <initializer_list>

Actor player(None, Active, PlayerKind);
Actor redEnemy(North, Active, RedKind);
Actor purpleEnemy(East, Penned, PurpleKind);
Actor blueEnemy(West, Penned, BlueKind);
Actor yellowEnemy(East, Penned, YellowKind);

SpriteSet playerSet;
SpriteSet redSet;
SpriteSet purpleSet;
SpriteSet blueSet;
SpriteSet yellowSet;
SpriteSet scaredGreySet;
SpriteSet scaredWhiteSet;

TileBank tileBank;
std::vector<BombSite> bombSites;
FrontEnd frontEnd;
SoundBank soundBank;
MazeGrid mazeGrid;

SDL_Surface* screen = nullptr;

#define TAMBERLO_DEFINE_GLOBAL(type, name, start) type name = start;
TAMBERLO_SCALAR_GLOBALS(TAMBERLO_DEFINE_GLOBAL, TAMBERLO_DEFINE_GLOBAL)
#undef TAMBERLO_DEFINE_GLOBAL

void resetScalarGlobals() {
#define TAMBERLO_RESET_GLOBAL(type, name, start) name = start;
    TAMBERLO_SCALAR_GLOBALS(TAMBERLO_RESET_GLOBAL, TAMBERLO_RESET_GLOBAL)
#undef TAMBERLO_RESET_GLOBAL
}

void releaseGlobalObjects() {
    frontEnd.release();
    std::vector<BombSite>().swap(bombSites);
    tileBank.release();
    for (SpriteSet* set :
         {&scaredWhiteSet, &scaredGreySet, &yellowSet, &blueSet, &purpleSet, &redSet, &playerSet}) {
        set->release();
    }
}
