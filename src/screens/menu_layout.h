// Where the intro menu's two buttons sit. The menu draws them there, and the intro's pictures
// show them there at rest, so that a newcomer sees where to click before touching the mouse.
#pragma once

#include <cstdint>

constexpr int16_t menuPlayX = 10;
constexpr int16_t menuControlsX = 620;
constexpr int16_t menuButtonY = 525;
