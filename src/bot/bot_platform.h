// The autopilot's side of the platform seam: a virtual clock that sleeping moves on, a queue of
// key presses, the arrows it holds and a pointer with its left button.
#pragma once

#include "platform/controls.h"
#include "platform/platform.h"

namespace autopilot {

// The seam's functions over the bot's own input; nothing here sleeps or reads the real clock.
Platform botPlatform();

// Resets the clock, the queue, the keys and the pointer.
void resetBotInput();

// Queues a press of the command's first key (the controls table's) for the next drain of the
// event queue.
void pressKeyFor(Command command);

// Holds exactly the walking key for the heading, or none for None.
void holdArrow(int32_t heading);

// Rests the pointer at (x, y) with the left button held down.
void pressPointerAt(int x, int y);

// The virtual clock in milliseconds.
Uint32 virtualNow();

} // namespace autopilot
