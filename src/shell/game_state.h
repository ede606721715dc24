// The register of the game's global state. Every object lives for the whole run.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <vector>

#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"

extern Actor player;
extern Actor redEnemy;
extern Actor purpleEnemy;
extern Actor blueEnemy;
extern Actor yellowEnemy;

extern SpriteSet playerSet;
extern SpriteSet redSet;
extern SpriteSet purpleSet;
extern SpriteSet blueSet;
extern SpriteSet yellowSet;
extern SpriteSet scaredGreySet;
extern SpriteSet scaredWhiteSet;

extern TileBank tileBank;
extern std::vector<BombSite> bombSites;
extern FrontEnd frontEnd;
extern SoundBank soundBank;
extern MazeGrid mazeGrid;

extern SDL_Surface* screen;
extern int32_t quitRequested;
extern int32_t levelNumber;
extern int32_t ediblesLeft;
extern Uint32 levelStartTicks;
extern int32_t levelSeconds;
extern int32_t prevLives;
extern int32_t prevBombs;
extern int32_t prevScore;
extern int32_t prevWarps;
extern Uint8* keyState;
extern int32_t punchedFrames;
extern int32_t powerFrame;
extern int32_t dotFrame;
extern bool dotFrameRising;
extern int32_t explosionFrame;
extern int32_t multiKillCounter;
extern int32_t playerLane;
extern int32_t redEnemyLane;

// The four enemies in the order every per-enemy step visits them.
inline Actor* const enemies[] = {&redEnemy, &purpleEnemy, &blueEnemy, &yellowEnemy};

// Releases every picture, font and bomb record, newest object first. Called before the SDL
// libraries shut down, so nothing is freed after its library is gone; the destructors that
// run at exit then find nothing left to free.
void releaseGlobalObjects();
