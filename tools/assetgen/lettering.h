// Lettering titles and labels into pictures with the game's two typefaces.
#pragma once

#include "image.h"

#include <string>
#include <vector>

inline const std::string bodyFont =
    "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf";
inline const std::string titleFont = "/usr/share/fonts/opentype/cherrybomb/CherryBomb-Regular.otf";

// The coverage of a rendered text, 0..255 per pixel.
struct Glyphs {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha;
    uint8_t at(int x, int y) const;
};

// Starts the font engine for as long as it lives.
class FontEngine {
  public:
    FontEngine();
    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;
    Glyphs render(const std::string& font, int points, const std::string& text) const;
};

// The same glyphs grown by `radius` pixels in every direction, for outlines.
Glyphs thickened(const Glyphs& g, int radius);

// Paints the glyphs with their top-left corner at (x, y) in the colour of `shade`.
void paintGlyphs(Image& img, const Glyphs& g, int x, int y, const Shade& shade);
void paintGlyphs(Image& img, const Glyphs& g, int x, int y, Rgb colour);

// Text with a dark outline, centred on column cx with its top at y.
void letterCentred(Image& img, const Glyphs& g, int cx, int y, Rgb colour, Rgb edge, int radius);

// The glyphs resampled to a new size, for squeezed or stretched lettering.
Glyphs stretched(const Glyphs& g, int width, int height);
