// The screen in a web page. The browser's SDL keeps every surface in a canvas of its own and
// draws through the canvases, ignoring see-through colours and clipping; so in the page the
// game draws every picture itself, into the screen's pixels, which stay in memory and are
// handed to the page's canvas at each present.
#pragma once

#include <SDL.h>

// Only the web build has these two (video_web.cpp): they call on the page.
// After the video mode is set: the screen's pixels are the game's from now on.
void webOpenScreen();
// Shows the screen's pixels on the page's canvas.
void webPresent();

// The game's own drawing, plain SDL surface code that both builds compile (web_canvas.cpp), so
// the desktop's tests check it too.
// Draws the part (x, y, w, h of the picture) at (x, y) of the screen inside its clip
// rectangle, leaving out see-through pixels. Returns 0, or -1 when nothing can draw.
int webBlit(SDL_Surface* picture, const SDL_Rect& part, int x, int y);
// The picture's pixels in memory; the browser's SDL fills them from its canvas.
bool webPixels(SDL_Surface* picture);
// Makes the picture's pixels of one colour (0xRRGGBB) see-through.
void webSeeThrough(SDL_Surface* picture, Uint32 rgb);
// A copy of a picture with pixels of its own.
SDL_Surface* webCopy(SDL_Surface* picture);
// Drawing changes only the area of the screen from now on (its part on the screen), or the
// whole screen for null. The browser's SDL keeps the clip to itself; the game's drawing reads
// it here.
void webClip(const SDL_Rect* area);
