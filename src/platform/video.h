// Opening the game window, and the ways everything is drawn onto it.
#pragma once

#include "core/shared_types.h"
#include "platform/cell_cache.h"

#include <SDL.h>
#include <vector>

// Starts SDL's video and opens the window with its caption and the icon `loadIcon` gives once
// the video has started (null: no icon; the surface is freed here). Without a usable display
// it prints why on standard output and ends the process with status 1.
void initVideo(SDL_Surface* (*loadIcon)());

// The reason the game cannot show a window, or null when it may try. A game started without
// an explicit SDL_VIDEODRIVER must never fall back to drawing into the terminal or nowhere.
const char* missingDisplayReason();

// Draws a whole picture onto the screen with its top-left corner at (x, y). Null draws nothing.
int blitAt(SDL_Surface* surface, Sint16 x, Sint16 y);

// Copies the rectangle (x, y, w, h) of a full-window picture onto the same place of the screen.
int blitRegion(SDL_Surface* surface, Sint16 x, Sint16 y, Uint16 w, Uint16 h);

// The maze's cells are drawn with blitCell (cell_cache.h), whose memory the two helpers above
// keep up to date.

// The desktop and the web page each define the five below their own way (video_desktop.cpp,
// video_web.cpp).
// A picture decoded from the bytes of its file, or null (SDL_GetError says why). In a web page
// it is already in the screen's form (picturesDecodedForScreen).
SDL_Surface* decodePicture(const std::vector<Uint8>& bytes);
// The screen's own copy of a picture, in the form it draws fastest, or null when none can be
// made. The picture itself is left as it is.
SDL_Surface* screenCopy(SDL_Surface* picture);
// Makes the pixels of one colour of a picture see-through wherever it is drawn.
void makeSeeThrough(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue);
// Drawing onto the screen changes only the area from now on; null gives the whole screen back.
void clipScreen(const SDL_Rect* area);
// A text the font renderer has just drawn, ready to be blitted (in a web page its pixels are
// fetched from the browser's canvas, where the renderer drew it). Null stays null.
SDL_Surface* takeRenderedText(SDL_Surface* text);
