// Moving from level to level, and restarting the current one.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t lastLevel = 5;

// "level1.txt" … "level5.txt".
std::string levelFileName(int32_t level);

// Shows the tally of the level just won (if any), then starts the next level with its music,
// fresh counters and the enemies' release timers.
void startNextLevel();

// Reads and builds a level and starts its clock.
void loadLevel(int32_t level);

// The enemies leave the pen one after another: red at once, then purple, blue and yellow.
void startEnemyReleaseTimers();
