// Turning the maze grid into the level's picture and starting state, and the per-frame redraw.
#pragma once

#include <SDL.h>

// Draws a whole picture onto the screen with its top-left corner at (x, y). Null draws nothing.
int blitAt(SDL_Surface* surface, Sint16 x, Sint16 y);

// Copies the rectangle (x, y, w, h) of a full-window picture onto the same place of the screen.
int blitRegion(SDL_Surface* surface, Sint16 x, Sint16 y, Uint16 w, Uint16 h);

// Draws every tile, places the actors on their start tiles, counts the edibles and lists the
// bomb sites of the maze just read.
void buildLevel();

// Repaints maze rows 1 to 18, wiping the last frame's sprites, and animates dots and power items.
void drawMaze();
