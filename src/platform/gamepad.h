// The gamepad: the first pad present at start-up, its d-pad and left stick held as directions,
// and its buttons by their usual numbers on Linux (an Xbox-style pad). SDL 1.2 sees only the
// pads present when its joystick subsystem starts, so a pad plugged in later goes unseen.
#pragma once

#include "core/shared_types.h"

#include <SDL.h>

enum PadButton : Uint8 { PadA = 0, PadB = 1, PadX = 2, PadY = 3, PadBack = 6, PadStart = 7 };

// A stick counts as pushed one way beyond about a third of its travel, so a stick at rest that
// drifts a little steers nothing.
constexpr Sint16 stickDeadZone = 32767 / 3;

// Starts SDL's joystick subsystem and opens the first pad, if there is one; without one the
// game plays as before and says nothing.
void openGamepad();

// Closes the pad, if one was opened.
void closeGamepad();

// Takes the next event through the platform seam, as platform.pollEvent does, and keeps the
// pad's held directions up to date with it. Every reader of the event queue takes events here,
// so a stick let go while a screen is up is let go in play too.
int takeEvent(SDL_Event* event);

// Whether the d-pad or the left stick is held toward the heading.
bool padHolds(Direction heading);

// Forgets what the pad holds, as at start-up.
void resetPadState();
