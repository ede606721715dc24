// Event handling shared by the full-window screens.
#pragma once

#include <SDL.h>

// Whether an event asks to quit the game: closing the window, Escape or Q.
bool isQuitEvent(const SDL_Event& event);

// Takes every pending event; returns true (and sets the quit request) when one asked to quit.
// A left-button press among them counts as the button held until the next drain; the other
// events are dropped.
bool drainEventsForQuit();

// Whether the pointer is strictly inside a button drawn at (x, y): the edges do not count.
bool pointerOnButton(int pointerX, int pointerY, int x, int y, int width, int height);

// Whether the left mouse button is held right now, or was pressed since the last drain.
bool leftButtonHeld();
