// The five characters: Tamberlo the explorer and the horned critters that chase him.
#pragma once

#include "image.h"
#include "palette.h"

#include <string>

enum class Facing { North, South, East, West };

inline constexpr int walkFrames = 3;

// Tamberlo in one heading and one of three walking poses, on magenta.
Image drawPlayer(const Palette& pal, Facing facing, int frame);

// A critter wearing the colours named `look` in the palette (look_body, look_light, look_dark).
// Critters look the same walking north and south, so North and South give the same picture.
// Scared critters wear a worried face instead of a scowl.
Image drawCritter(const Palette& pal, const std::string& look, bool scared, Facing facing,
                  int frame);
