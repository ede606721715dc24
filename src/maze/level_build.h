// Turning the maze grid into the level's picture and starting state, and the per-frame redraw.
#pragma once

// Draws every tile, places the actors on their start tiles, counts the edibles and lists the
// bomb sites of the maze just read.
void buildLevel();

// Repaints maze rows 1 to 18, wiping the last frame's sprites, and animates dots and power items.
void drawMaze();
