// Frame and screen pacing. Both sleep for what is left of their period instead of spinning on
// the clock, so the game costs almost no CPU while it waits.
#pragma once

#include <SDL.h>

// A frame of play lasts at least this long, measured from its start tick.
constexpr Uint32 minimumFrameMs = 28;

// Waits until at least minimumFrameMs have passed since frameStart. The difference is taken as
// an unsigned 32-bit number, so a wrap of the millisecond counter is harmless, and a frame that
// already took longer ends at once without carrying any debt into the next one.
void waitForFrameEnd(Uint32 frameStart);

// Presents a pass of a full-window screen (menu, tally, pause, game over, victory) no more often
// than a 60 Hz display would, sleeping in between, so figures, counters and texts move at the
// same speed on every machine.
void presentScreen();

// The same, presenting only the given area of the window: the rest is as last presented.
void presentScreenArea(SDL_Rect area);

// Forgets the last screen present, as at start-up, so that the next screen pass presents at
// once. A game recorded or replayed after another one in the same process then paces its
// screens exactly as in a fresh process.
void resetScreenPacing();
