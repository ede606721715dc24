// The full-window pictures: the intro menu in its four looks, the controls page and the board
// behind the tally, game-over and victory texts.
#pragma once

#include "image.h"
#include "lettering.h"
#include "page_text.h"
#include "palette.h"

#include <array>

inline constexpr int screenWidth = 800;
inline constexpr int screenHeight = 600;

// The characters shown big on the intro, all facing east.
struct Cast {
    Image player;
    std::array<Image, 4> critters;
};

enum class IntroLook { Neutral, PlayZone, ControlsZone, Pushed };

Image makeIntro(const Palette& pal, const FontEngine& fonts, const Image& floor, const Cast& cast,
                const PageText& text, IntroLook look);
Image makeBoard(const Palette& pal, const Image& floor);
Image makeControlsPage(const Palette& pal, const FontEngine& fonts, const Image& floor,
                       const PageText& text);
