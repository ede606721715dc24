// The sizes the game's drawing relies on, one per kind of picture. A picture of another size
// is refused when it is loaded, so nothing is ever drawn from a short or damaged file.
#pragma once

#include "core/shared_types.h"

#include <cstdint>

struct PictureSize {
    int32_t width;
    int32_t height;
};

// Maze tiles, the bomb and its blasts, every character frame and the window icon.
inline constexpr PictureSize tilePicture{tileSize, tileSize};
// Full-window screens: the intro in its four looks, the controls page and the tally board.
inline constexpr PictureSize screenPicture{windowWidth, windowHeight};
// The status line's backing, one tile high across the window.
inline constexpr PictureSize blankSheetPicture{windowWidth, tileSize};
// PLAY, CONTROLS and CONTINUE, plain and lit.
inline constexpr PictureSize buttonPicture{150, 50};
// The bonus banner drawn over the maze after a multiple blast.
inline constexpr PictureSize bannerPicture{300, 100};
