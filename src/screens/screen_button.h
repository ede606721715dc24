// The one button of the controls page and of game over: where it sits, and one pass of it.
#pragma once

#include <SDL.h>
#include <cstdint>

// Both screens put their button at the same place, under the middle of the window.
constexpr int16_t screenButtonX = 300;
constexpr int16_t screenButtonY = 500;

// Draws the button as it looks under the pointer or elsewhere, and tells whether this pass
// pressed it: a left click on it, or (unless the player is quitting) the confirm keys and pad
// buttons wherever the pointer is. A press plays the button's sound. Reads what the last
// drainEventsForQuit found.
bool passScreenButton(SDL_Surface* underPointer, SDL_Surface* elsewhere, bool quitting);
