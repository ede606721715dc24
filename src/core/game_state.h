// The register of the game's global state. Every object lives for the whole run; each line
// says what a global holds, who writes it and who reads it. The classes are only declared
// here: a file that uses one includes its own header.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <vector>

class Actor;
class SpriteSet;
class TileBank;
class FrontEnd;
class SoundBank;
class MazeGrid;
struct BombSite;

// The five characters. The frame loop and the rules (actors/, rules/) move them; the
// intro menu and the tally borrow the player and the red enemy as walkers.
extern Actor player;
extern Actor redEnemy;
extern Actor purpleEnemy;
extern Actor blueEnemy;
extern Actor yellowEnemy;

// The seven looks, loaded once by loadActorSprites; the actors draw from them.
extern SpriteSet playerSet;
extern SpriteSet redSet;
extern SpriteSet purpleSet;
extern SpriteSet blueSet;
extern SpriteSet yellowSet;
extern SpriteSet scaredGreySet;
extern SpriteSet scaredWhiteSet;

// The maze pictures, loaded once at start; drawn by the level build, the maze pass and bombs.
extern TileBank tileBank;
// The bombs of the current level: listed by buildLevel, changed by the bomb rules and by a
// lost life, read by the blasts and the bomb drawing.
extern std::vector<BombSite> bombSites;
// Fonts, screen pictures and the text surface; the screens (screens/) are its operations.
extern FrontEnd frontEnd;
// Effects and music, opened once at start; every rule that makes a sound asks it to play.
extern SoundBank soundBank;
// The live maze: filled by readLevelFile, rewritten by eating (probeMaze) and by the first
// maze pass (bomb sites become floor); read by every move, the steering and the drawing.
extern MazeGrid mazeGrid;

// The window's surface: set by initVideo, drawn on by everything, presented by the platform.
// Like the loaded pictures, it stays what it is when a test puts the game state back.
extern SDL_Surface* screen;

// The counters, flags and held keys, each with its starting value: a new one is one line here.
// HASHED(type, name, start) goes into the game state hash, in this order; UNHASHED does not
// (the exit status, the held keys' address, and what only decides what the status line redraws).
// Each line says what it holds, who writes it and who reads it.
#define TAMBERLO_SCALAR_GLOBALS(HASHED, UNHASHED)                                                  \
    /* Set to 1 by the key handling and every screen on Escape, Q or a window close; the frame     \
       loop ends at the end of the frame that set it. */                                           \
    HASHED(int32_t, quitRequested, 0)                                                              \
    /* The process's exit status: 0, or 1 once a level file could not be used (set by loadLevel    \
       together with the quit request); returned by runGame. */                                    \
    UNHASHED(int32_t, exitStatus, 0)                                                               \
    /* The level being played (1 to 5, 0 before the first): advanced by startNextLevel; read by    \
       the frame loop (victory after the last), the tally, game over and the music choice. */      \
    HASHED(int32_t, levelNumber, 0)                                                                \
    /* Dots left to eat: counted by buildLevel, lowered by probeMaze; 0 ends the level. */         \
    HASHED(int32_t, ediblesLeft, 0)                                                                \
    /* The clock reading when the level was loaded: set by loadLevel, read by the status line. */  \
    HASHED(Uint32, levelStartTicks, 0)                                                             \
    /* Whether the status line's labels are on the screen: cleared by loadLevel, set by            \
       drawHud. */                                                                                 \
    UNHASHED(bool, hudLabelsDrawn, false)                                                          \
    /* Whole seconds played on this level: set by the status line, read by the tally's             \
       penalty. */                                                                                 \
    HASHED(int32_t, levelSeconds, 0)                                                               \
    /* The seconds the status line's time shows (-1: none yet), so drawHud redraws the time        \
       only when it changes. */                                                                    \
    UNHASHED(int32_t, shownSeconds, -1)                                                            \
    /* The player's counters as they were at the start of the frame, copied by the frame loop,     \
       so the status line redraws only the numbers that changed. */                                \
    HASHED(int32_t, prevLives, 0)                                                                  \
    HASHED(int32_t, prevBombs, 0)                                                                  \
    HASHED(int32_t, prevScore, 0)                                                                  \
    HASHED(int32_t, prevWarps, 0)                                                                  \
    /* The held keys: fetched by handleEvents each frame, read by movePlayer. */                   \
    UNHASHED(Uint8*, keyState, nullptr)                                                            \
    /* Frames the knocked-out player has spun: reset by a punch, counted by                        \
       updatePunchedPlayer. */                                                                     \
    HASHED(int32_t, punchedFrames, 0)                                                              \
    /* The power item's picture (0 to 3): reset at start-up, stepped by each maze pass. */         \
    HASHED(int32_t, powerFrame, 0)                                                                 \
    /* The dots' picture (0 to 4) and whether it is growing: swung back and forth by the maze      \
       pass. */                                                                                    \
    HASHED(int32_t, dotFrame, 0)                                                                   \
    HASHED(bool, dotFrameRising, true)                                                             \
    /* The one explosion picture counter every exploding bomb shares: stepped by updateBombs. */   \
    HASHED(int32_t, explosionFrame, 0)                                                             \
    /* Counts the blast frames that caught two or more enemies: applyBlasts pays the multi-kill    \
       reward only when it reads 0. */                                                             \
    HASHED(int32_t, multiKillCounter, 0)                                                           \
    /* The lanes (heights) the intro menu's two runners take next when they come back in. */       \
    HASHED(int32_t, playerLane, 0)                                                                 \
    HASHED(int32_t, redEnemyLane, 0)

#define TAMBERLO_DECLARE_GLOBAL(type, name, start) extern type name;
TAMBERLO_SCALAR_GLOBALS(TAMBERLO_DECLARE_GLOBAL, TAMBERLO_DECLARE_GLOBAL)
#undef TAMBERLO_DECLARE_GLOBAL

// Puts every global of the list above back to its starting value (what a test does before it
// plays).
void resetScalarGlobals();

// Puts the five characters, the maze, the bombs, the banner and every global of the list back
// as the process started with them (the loaded pictures aside): a second game in one process
// plays as the first did.
void resetForNewGame();

// The four enemies in the order every per-enemy step visits them.
inline Actor* const enemies[] = {&redEnemy, &purpleEnemy, &blueEnemy, &yellowEnemy};

// Releases every picture, font and bomb record, newest object first. Called before the SDL
// libraries shut down, so nothing is freed after its library is gone; the destructors that
// run at exit then find nothing left to free.
void releaseGlobalObjects();
