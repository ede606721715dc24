// Full screen on F11 or Alt+Enter, in play and on every screen.
#pragma once

#include <SDL.h>

// Switches between the window and full screen when the key is F11 or Enter with Alt held, and
// tells whether it was one of them. A video driver that cannot switch leaves the window as it
// is, and the game says nothing about it.
bool toggleFullScreenOnKey(const SDL_keysym& key);
