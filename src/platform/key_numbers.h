// Key numbers that mean the same key everywhere: SDL 1.2's on the desktop. Another platform's
// SDL may number keys otherwise (the browser's numbers the arrows above a thousand); demos
// store these numbers, so a demo recorded on one platform replays on the other.
#pragma once

#include <SDL.h>

// How many numbers there are: SDL 1.2's SDLK_LAST. Below 256 a key's number is its character's.
constexpr int portableKeyCount = 323;

// The portable number of one of this platform's keys, or -1 for a key that has none.
int portableKeyOf(int platformKey);
// This platform's key for a portable number, or SDLK_UNKNOWN for a number no key has here.
SDLKey platformKeyOf(int portableKey);
