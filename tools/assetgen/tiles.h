// The maze tiles: floor, the wall family, the pen's gate, the status-line panel, the dots and
// the power crystal. All of them are drawn opaque, so each carries the floor around its motif.
#pragma once

#include "image.h"
#include "palette.h"

inline constexpr int tilePixels = 32;

// Sides a wall piece reaches, as bits.
enum Join : unsigned { JoinNone = 0, JoinN = 1, JoinS = 2, JoinW = 4, JoinE = 8 };

Image makeFloor(const Palette& pal);
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
