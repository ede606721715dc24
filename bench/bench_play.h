// What the benchmarks share: the game loaded headless or in a window, and a walker that keeps
// level 1 in play.
#pragma once

// Opens the window and loads every picture, sound and font, then starts level 1.
void loadEverything();

// Holds one arrow and turns every 40 frames, keeping the lives and the dots topped up so that
// play never leaves for a tally or the game-over screen.
void steer(int frame);
