// The autopilot's side of the platform seam: a virtual clock that sleeping moves on, a queue of
// key presses, the arrows it holds and a pointer with its left button.
#pragma once

#include "platform/platform.h"

namespace autopilot {

// The seam's functions over the bot's own input; nothing here sleeps or reads the real clock.
Platform botPlatform();

// Resets the clock, the queue, the keys and the pointer.
void resetBotInput();

// Queues a key press for the next drain of the event queue.
void pressKey(SDLKey key);

// Holds exactly one arrow, or none for SDLK_UNKNOWN.
void holdArrow(SDLKey arrow);

// Rests the pointer at (x, y) with the left button held down.
void pressPointerAt(int x, int y);

// The virtual clock in milliseconds.
Uint32 virtualNow();

} // namespace autopilot
