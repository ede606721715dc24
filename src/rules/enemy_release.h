// When the enemies leave the pen, in the order every per-enemy step visits them (red, purple,
// blue, yellow): red walks out at once, the others follow one by one.
#pragma once

#include <cstdint>

// Frames each enemy stays penned when a level starts.
constexpr int32_t levelReleaseFrames[] = {0, 50, 100, 150};

// Frames each enemy stays penned after the player has lost a life and everyone went home.
constexpr int32_t knockOutReleaseFrames[] = {0, 50, 150, 250};
