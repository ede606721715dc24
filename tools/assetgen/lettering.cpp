// Rendering text into pictures with the game's fonts.
#include "lettering.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

uint8_t Glyphs::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    return alpha[static_cast<size_t>(y * width + x)];
}

FontEngine::FontEngine() {
    if (TTF_Init() != 0) {
        throw std::runtime_error(std::string("cannot start the font engine: ") + TTF_GetError());
    }
}

FontEngine::~FontEngine() {
    TTF_Quit();
}

Glyphs FontEngine::render(const std::string& font, int points, const std::string& text) const {
    TTF_Font* f = TTF_OpenFont(font.c_str(), points);
    if (f == nullptr) {
        throw std::runtime_error("cannot open font " + font + ": " + TTF_GetError());
    }
    SDL_Color white{255, 255, 255, 0};
    SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), white);
    TTF_CloseFont(f);
    if (s == nullptr) {
        throw std::runtime_error("cannot render \"" + text + "\"");
    }
    Glyphs g;
    g.width = s->w;
    g.height = s->h;
    g.alpha.resize(static_cast<size_t>(s->w * s->h));
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) {
            uint8_t r, gr, b, a;
            SDL_GetRGBA(row[x], s->format, &r, &gr, &b, &a);
            g.alpha[static_cast<size_t>(y * s->w + x)] = a;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return g;
}

Glyphs thickened(const Glyphs& g, int radius) {
    Glyphs out;
    out.width = g.width + 2 * radius;
    out.height = g.height + 2 * radius;
    out.alpha.assign(static_cast<size_t>(out.width * out.height), 0);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            uint8_t best = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    if (dx * dx + dy * dy <= radius * radius + radius) {
                        best = std::max(best, g.at(x - radius + dx, y - radius + dy));
                    }
                }
            }
            out.alpha[static_cast<size_t>(y * out.width + x)] = best;
        }
    }
    return out;
}

void paintGlyphs(Image& img, const Glyphs& g, int x, int y, const Shade& shade) {
    for (int j = 0; j < g.height; ++j) {
        for (int i = 0; i < g.width; ++i) {
            uint8_t a = g.at(i, j);
            if (a > 0) {
                img.blend(x + i, y + j, shade(i, j), a / 255.0);
            }
        }
    }
}

void paintGlyphs(Image& img, const Glyphs& g, int x, int y, Rgb colour) {
    paintGlyphs(img, g, x, y, [colour](int, int) { return colour; });
}

void letterCentred(Image& img, const Glyphs& g, int cx, int y, Rgb colour, Rgb edge, int radius) {
    int x = cx - g.width / 2;
    if (radius > 0) {
        paintGlyphs(img, thickened(g, radius), x - radius, y - radius, edge);
    }
    paintGlyphs(img, g, x, y, colour);
}

Glyphs stretched(const Glyphs& g, int width, int height) {
    Glyphs out;
    out.width = width;
    out.height = height;
    out.alpha.resize(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double sx = (x + 0.5) * g.width / width - 0.5;
            double sy = (y + 0.5) * g.height / height - 0.5;
            int x0 = static_cast<int>(std::floor(sx));
            int y0 = static_cast<int>(std::floor(sy));
            double fx = sx - x0;
            double fy = sy - y0;
            double top = g.at(x0, y0) * (1 - fx) + g.at(x0 + 1, y0) * fx;
            double bottom = g.at(x0, y0 + 1) * (1 - fx) + g.at(x0 + 1, y0 + 1) * fx;
            out.alpha[static_cast<size_t>(y * width + x)] =
                static_cast<uint8_t>(std::lround(top * (1 - fy) + bottom * fy));
        }
    }
    return out;
}
