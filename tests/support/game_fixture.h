// Headless set-up for tests that drive the real game code: the dummy video and audio drivers,
// every asset loaded once from the run directory, and a fresh game state for each test.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdint>
#include <string>
#include <vector>

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

// The colour of the screen pixel at (x, y) as 0xRRGGBB.
Uint32 screenPixel(int x, int y);

// The colour of a surface's pixel at (x, y) as 0xRRGGBB.
Uint32 surfacePixel(SDL_Surface* surface, int x, int y);

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startHeadlessGame();
        resetGameState();
    }
};

// Whether every pixel of the picture that is not see-through magenta shows on the screen with
// the picture's top-left corner at (x, y).
bool drawnAt(SDL_Surface* picture, int x, int y);

// How many mixer channels are playing this effect right now.
int channelsPlaying(Mix_Chunk* chunk);
