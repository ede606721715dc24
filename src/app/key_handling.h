// The keys of play: quit, pause, warp, give up and bomb from the event queue, and the held keys.
#pragma once

// Drains the event queue (quit, pause, warp, give-up and bomb keys), then fetches the held keys.
void handleEvents();
