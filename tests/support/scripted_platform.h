// A scripted stand-in for the platform seam: a clock the test moves, an event queue it fills,
// held keys, a pointer and its button, and actions scheduled for a given present.
#pragma once

#include <SDL.h>
#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace scripted {

struct Script {
    Uint32 now = 0;
    // How far the clock moves at every present (frame or screen pass).
    Uint32 msPerPresent = 0;
    int presents = 0;
    std::vector<Uint32> delays;
    std::deque<SDL_Event> events;
    std::multimap<int, std::function<void()>> afterPresent;
    Uint8 keys[SDLK_LAST] = {};
    int mouseX = 0;
    int mouseY = 0;
    Uint8 buttons = 0;
};

extern Script script;

// Points the platform seam at the script, reset to a clock at the given start.
void install(Uint32 startTicks = 1000);

void pressKey(SDLKey key);
void holdKey(SDLKey key, bool held);
void queueQuit();
void movePointer(int x, int y);
void holdLeftButton(bool held);

// Runs an action right after the given present (1 = the first present from now).
void afterPresents(int count, std::function<void()> action);

} // namespace scripted
