// The keys of play: quit, pause, warp, give up and bomb from the event queue (keys or pad
// buttons), and the held keys.
#pragma once

// Drains the event queue (quit, pause, warp, give-up and bomb keys, and the pad buttons that
// stand for them), then fetches the held keys.
void handleEvents();
