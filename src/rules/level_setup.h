// Setting a level up: the actors on their homes, the dots counted, the bomb sites listed, the
// enemies' release timers running; and starting a level afresh, as a new level or a continue.
#pragma once

#include <cstdint>

// Draws every tile, places the actors on their start tiles, counts the edibles and lists the
// bomb sites of the maze just read.
void buildLevel();

// Starts a level afresh: no bombs, no score, a full set of warps, the lives topped up, the
// enemies' release timers running, and the level read, built and its clock started. A new
// level and a continue after game over both start this way.
void restartLevel(int32_t level);

// Reads and builds a level and starts its clock. A level file that cannot be used ends the game
// with exit status 1.
void loadLevel(int32_t level);

// The enemies leave the pen one after another: red at once, then purple, blue and yellow.
void startEnemyReleaseTimers();
