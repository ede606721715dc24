// A scripted stand-in for the platform seam: the game's in-memory seam (a clock the test moves,
// an event queue it fills, held keys, a pointer and its button) with presents counted and
// actions scheduled for a given present.
#pragma once

#include "platform/virtual_platform.h"

#include <functional>
#include <map>

namespace scripted {

struct Script : VirtualInput {
    // How far the clock moves at every present (frame or screen pass).
    Uint32 msPerPresent = 0;
    int presents = 0;
    std::multimap<int, std::function<void()>> afterPresent;
};

extern Script script;

// Points the platform seam at the script, reset to a clock at the given start.
void install(Uint32 startTicks = 1000);

void pressKey(SDLKey key);
void holdKey(SDLKey key, bool held);
void queueQuit();
// The pad: a button pressed (and let go), the d-pad at SDL_HAT_ bits, an axis of the stick.
void pressPadButton(Uint8 button);
void movePadHat(Uint8 value);
void movePadAxis(Uint8 axis, Sint16 value);
void movePointer(int x, int y);
void holdLeftButton(bool held);

// Counts a present and runs the actions due after it: what the script's flip does.
void presented();

// Runs an action right after the given present (1 = the first present from now).
void afterPresents(int count, std::function<void()> action);

} // namespace scripted
