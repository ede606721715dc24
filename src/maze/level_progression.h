// Moving from level to level: the tally of the level won, the next level's music, fresh
// counters and the enemies' release, and restarting a level after game over.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t lastLevel = 5;

// "level1.txt" … "level5.txt".
std::string levelFileName(int32_t level);

// Shows the tally of the level just won (if any), then starts the next level with its music.
void startNextLevel();

// Starts a level afresh: no bombs, no score, a full set of warps, the lives topped up, the
// enemies' release timers running, and the level read, built and its clock started. A new
// level and a continue after game over both start this way.
void restartLevel(int32_t level);

// Reads and builds a level and starts its clock. A level file that cannot be used ends the game
// with exit status 1.
void loadLevel(int32_t level);

// The enemies leave the pen one after another: red at once, then purple, blue and yellow.
void startEnemyReleaseTimers();
