// Headless set-up for tests that drive the real game code: the dummy video and audio drivers,
// every asset loaded once from the run directory, and a fresh game state for each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "assets/sprite_set.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "maze/bomb_site.h"
#include "maze/maze_grid.h"
#include "support/screen_checks.h"
#include "support/scripted_platform.h"

// Starts video, sound, pictures and fonts once for the whole test program, and again after a
// test has shut the game down.
void startHeadlessGame();

// Puts every global back to its start-of-run value, keeping the loaded assets, and installs
// the scripted platform.
void resetGameState();

// Fills the maze from 19 rows of text; missing rows and columns are open floor. Legend:
// '#' wall, ' ' open, '.' dot, 'o' power item, 'B' bomb site, '-' door, 'P' player start,
// 'R' '1' '2' '3' red, purple, blue, yellow homes, '*' '^' 'v' '<' '>' dots on the seek, north,
// south, west and east marks, 'k' 'n' 's' 'w' 'e' the bare marks.
void setMaze(const std::vector<std::string>& rows);

// Puts an actor at (x, y), heading the given way unless none is given.
void place(Actor& actor, int32_t x, int32_t y, int32_t heading = -1);

// Reopens the sound bank on another SDL audio driver ("dummy" is the tests' own).
void reopenAudioWith(const char* driver);

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startHeadlessGame();
        resetGameState();
    }
};
