// What each maze cell of the screen shows, so that a cell is copied again only when it changes.
#pragma once

#include <SDL.h>

// Draws a maze cell's picture with its top-left corner at (x, y), a corner of the cell grid, or
// nothing when the screen already shows that very picture there because nothing has been drawn
// over the cell since. The maze is drawn whole every frame, but from one frame to the next only
// the cells under the actors, the bombs and the banner change, and copying the other four
// hundred was most of the work of a frame. The helpers of video.h keep this memory up to date.
int blitCell(SDL_Surface* surface, Sint16 x, Sint16 y);

// Forgets what the cells show, for drawing onto the screen by any other way than the helpers.
void forgetDrawnCells();

// Forgets the cells that the area (x, y, w, h) of the screen overlaps: something else was drawn
// there.
void forgetCellsUnder(int x, int y, int w, int h);
