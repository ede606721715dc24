// Loading pictures: every image is converted once to the window's pixel format. Also the
// whole-file read and the one report of an unusable data file that every loader shares.
#pragma once

#include "assets/picture_sizes.h"

#include <SDL.h>
#include <vector>

// Reads a whole file into bytes. Returns false when it cannot be opened (SDL_GetError says
// why); an empty or unreadable file gives true and no bytes.
bool readWholeFile(const char* path, std::vector<Uint8>& bytes);

// Loads a picture of the given size and converts it to the display format. Returns null (after
// saying so once on standard error, with the path and the library's reason or the size found)
// when the file cannot be used: a picture of another size counts as unusable.
SDL_Surface* loadImage(const char* path, PictureSize expected);

// Whether a loaded picture has the expected size; reports it on standard error when not.
bool hasExpectedSize(const SDL_Surface* picture, const char* path, PictureSize expected);

// Loads the window icon, one tile in size; null (reported) when it cannot be used.
SDL_Surface* loadWindowIcon();

// Makes magenta (255, 0, 255) transparent in blits of this surface. A null surface is skipped.
void setMagentaKey(SDL_Surface* surface);

// Frees a surface the caller owns and clears the pointer, so it can never be freed twice.
void releaseSurface(SDL_Surface*& surface);

// Reports a missing or unusable data file on standard error.
void reportDataProblem(const char* what, const char* path, const char* reason);
