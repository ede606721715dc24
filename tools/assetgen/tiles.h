// The maze tiles: floor, the wall family, the pen's gate, the status-line panel, the dots and
// the power crystal. All of them are drawn opaque, so each carries the floor around its motif.
#pragma once

#include "core/shared_types.h"
#include "image.h"
#include "palette.h"

inline constexpr int tilePixels = 32;

Image makeFloor(const Palette& pal);
// joins: the WallJoin bits of the sides the piece reaches.
Image makeWall(const Palette& pal, const Image& floor, unsigned joins);
Image makePillar(const Palette& pal, const Image& floor);
Image makeDoor(const Palette& pal, const Image& floor);
Image makePanel(const Palette& pal);
// The panel repeated every 32 pixels over the width of the window.
Image makeBlankSheet(const Image& panel, int width);
// frame 0..4, smallest to largest.
Image makeDot(const Palette& pal, const Image& floor, int frame);
// frame 0..3 of the spinning crystal.
Image makePowerItem(const Palette& pal, const Image& floor, int frame);
