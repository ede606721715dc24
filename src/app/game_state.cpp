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
int32_t quitRequested = 0;
int32_t exitStatus = 0;
int32_t levelNumber = 0;
int32_t ediblesLeft = 0;
Uint32 levelStartTicks = 0;
bool hudLabelsDrawn = false;
int32_t levelSeconds = 0;
int32_t prevLives = 0;
int32_t prevBombs = 0;
int32_t prevScore = 0;
int32_t prevWarps = 0;
Uint8* keyState = nullptr;
int32_t punchedFrames = 0;
int32_t powerFrame = 0;
int32_t dotFrame = 0;
bool dotFrameRising = true;
int32_t explosionFrame = 0;
int32_t multiKillCounter = 0;
int32_t playerLane = 0;
int32_t redEnemyLane = 0;

void releaseGlobalObjects() {
    frontEnd.release();
    std::vector<BombSite>().swap(bombSites);
    tileBank.release();
    for (SpriteSet* set :
         {&scaredWhiteSet, &scaredGreySet, &yellowSet, &blueSet, &purpleSet, &redSet, &playerSet}) {
        set->release();
    }
}
