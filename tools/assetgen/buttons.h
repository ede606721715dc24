// Menu buttons and the bonus banner: keyed pictures drawn over the screens and the maze.
#pragma once

#include "image.h"
#include "lettering.h"
#include "palette.h"

#include <string>

inline constexpr int buttonWidth = 150;
inline constexpr int buttonHeight = 50;
inline constexpr int bannerWidth = 300;
inline constexpr int bannerHeight = 100;

// A rounded button with its label; `lit` is the look under the pointer.
Image makeButton(const Palette& pal, const FontEngine& fonts, const std::string& label, bool lit);

// The ribbon shown over the maze after a multiple kill.
Image makeBonusBanner(const Palette& pal, const FontEngine& fonts);
