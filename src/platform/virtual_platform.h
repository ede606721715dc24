// A platform seam that answers from memory instead of from SDL: a clock that only a delay (or
// its owner) moves on, a queue of events, the held keys, and a pointer with its buttons. The
// tests and the autopilot drive the whole game through it, headless and the same way each time.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <vector>

struct VirtualInput {
    Uint32 now = 0;
    std::deque<SDL_Event> events;
    Uint8 keys[SDLK_LAST] = {};
    int mouseX = 0;
    int mouseY = 0;
    Uint8 buttons = 0;
    // Every delay the game asked for, in order; each moved the clock on by as much.
    std::vector<Uint32> delays;
};

// The seam over `input`, which must outlive its use: the clock, the events, the keys, the
// pointer and the delays come from it, presents show nothing, and the video mode asks for 32
// bits, as the dummy driver's default depth is palettized.
Platform virtualPlatform(VirtualInput& input);

// A key press as the keyboard would queue it.
SDL_Event keyPressEvent(SDLKey key);

// The first pad's events as SDL would queue them: an axis moved to a value, the d-pad (hat 0)
// now at a value of SDL_HAT_ bits, a button pressed or let go.
SDL_Event padAxisEvent(Uint8 axis, Sint16 value);
SDL_Event padHatEvent(Uint8 value);
SDL_Event padButtonEvent(Uint8 button, bool pressed);
