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

namespace {

// The five characters as a game starts: heading, state and kind.
constexpr int32_t actorStarts[5][3] = {{None, Active, PlayerKind},
                                       {North, Active, RedKind},
                                       {East, Penned, PurpleKind},
                                       {West, Penned, BlueKind},
                                       {East, Penned, YellowKind}};

Actor startingActor(int32_t index) {
    const int32_t* start = actorStarts[index];
    return Actor(start[0], start[1], start[2]);
}

} // namespace

Actor player = startingActor(0);
Actor redEnemy = startingActor(1);
Actor purpleEnemy = startingActor(2);
Actor blueEnemy = startingActor(3);
Actor yellowEnemy = startingActor(4);

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

void resetForNewGame() {
    Actor* const everyone[] = {&player, &redEnemy, &purpleEnemy, &blueEnemy, &yellowEnemy};
    for (int32_t i = 0; i < 5; ++i) {
        *everyone[i] = startingActor(i);
    }
    mazeGrid = MazeGrid{};
    bombSites.clear();
    frontEnd.bannerActive = false;
    frontEnd.bannerFramesLeft = frontEnd.bannerKind = 0;
    resetScalarGlobals();
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
