// Drawing the maze: the per-frame repaint, and the wall pieces the level build draws too.
#pragma once

#include <SDL.h>
#include <cstdint>

// Repaints maze rows 1 to 18, wiping the last frame's sprites, and animates dots and power items.
void drawMaze();

// Draws the wall piece of a wall code at (x, y); any other code draws nothing.
void drawWallPiece(int32_t code, Sint16 x, Sint16 y);
