// Event handling shared by the full-window screens: the mouse, and the keys and pad buttons
// that press a screen's button.
#pragma once

#include <SDL.h>

// Whether an event asks to quit the game: closing the window, Escape or Q.
bool isQuitEvent(const SDL_Event& event);

// Takes every pending event; returns true (and sets the quit request) when one asked to quit.
// A left-button press among them counts as the button held until the next drain, and the
// presses of confirmPressed and controlsPressed are kept until then too; the other events are
// dropped.
bool drainEventsForQuit();

// Whether the pointer is strictly inside a button drawn at (x, y): the edges do not count.
bool pointerOnButton(int pointerX, int pointerY, int x, int y, int width, int height);

// Whether the left mouse button is held right now, or was pressed since the last drain.
bool leftButtonHeld();

// Whether the last drain found Enter, Space, or the pad's A or Start pressed: the keyboard's and
// the pad's press of the button a screen offers (PLAY, CONTINUE).
bool confirmPressed();

// Whether the last drain found C or the pad's Y pressed: the way to the controls page.
bool controlsPressed();
