// Bomb, explosion and the window icon.
#pragma once

#include "image.h"
#include "palette.h"

Image makeBomb(const Palette& pal);
// frame 0: the flash of the blast; frame 1: the smoky billow that follows.
Image makeExplosion(const Palette& pal, int frame);
// Tamberlo's face on a round badge; `playerFront` is his south-facing sprite.
Image makeIcon(const Palette& pal, const Image& playerFront);
