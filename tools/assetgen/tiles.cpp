// The maze tiles: floor, the wall family, the door, the panel, dots and power items.
#include "tiles.h"

#include "noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double bandLow = 8.0;   // first pixel row/column of the wall band
constexpr double bandHigh = 24.0; // one past the last
constexpr double centre = 16.0;
constexpr double bevelWidth = 3.5;
constexpr double shadowOffset = 2.0;
constexpr uint32_t floorSeed = 7;
constexpr uint32_t wallSeed = 21;

// The wall shape, defined on an unbounded plane so that pieces joined across a tile edge see
// the same band on both sides and shade identically there.
Inside wallShape(unsigned joins) {
    return [joins](double x, double y) {
        bool inBandX = x >= bandLow && x < bandHigh;
        bool inBandY = y >= bandLow && y < bandHigh;
        double dx = x - centre;
        double dy = y - centre;
        if (dx * dx + dy * dy <= (centre - bandLow) * (centre - bandLow)) {
            return true;
        }
        return ((joins & JoinNorth) && inBandX && y <= centre) ||
               ((joins & JoinSouth) && inBandX && y >= centre) ||
               ((joins & JoinWest) && inBandY && x <= centre) ||
               ((joins & JoinEast) && inBandY && x >= centre);
    };
}

Inside pillarShape() {
    constexpr double lo = 7.0;
    constexpr double hi = 25.0;
    constexpr double radius = 5.0;
    return [](double x, double y) {
        double cx = std::clamp(x, lo + radius, hi - radius);
        double cy = std::clamp(y, lo + radius, hi - radius);
        return x >= lo && x < hi && y >= lo && y < hi &&
               (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

// Distance from a point to the nearest point outside the shape, up to `limit`.
double depth(const Inside& inside, double x, double y, double limit) {
    constexpr double step = 0.5;
    double best = limit;
    for (double oy = -limit; oy <= limit; oy += step) {
        for (double ox = -limit; ox <= limit; ox += step) {
            double d = std::hypot(ox, oy);
            if (d < best && !inside(x + ox, y + oy)) {
                best = d;
            }
        }
    }
    return best;
}

// Stone block lit from the upper left: flat top, bevelled sides, a faint texture.
Image paintBlock(const Palette& pal, const Image& floor, const Inside& inside) {
    Image img = floor;
    // Drop shadow on the floor toward the lower right.
    Inside shadow = [&](double x, double y) {
        return inside(x - shadowOffset, y - shadowOffset) && !inside(x, y);
    };
    for (int y = 0; y < tilePixels; ++y) {
        for (int x = 0; x < tilePixels; ++x) {
            double c = coverage(shadow, x, y);
            img.blend(x, y, pal["shadow"], 0.55 * c);
        }
    }
    Rgb top = pal["wall"];
    Rgb light = pal["wall_light"];
    Rgb dark = pal["wall_dark"];
    const double lx = -std::numbers::sqrt2 / 2;
    const double ly = -std::numbers::sqrt2 / 2;
    paintSmooth(img, inside, [&](int x, int y) {
        double px = x + 0.5;
        double py = y + 0.5;
        double d = depth(inside, px, py, bevelWidth + 1);
        double texture = stoneNoise(px, py, tilePixels, wallSeed) - 0.5;
        Rgb face = scaled(top, 1.0 + 0.22 * texture);
        if (d >= bevelWidth) {
            // A thin groove just inside the bevel frames the top face.
            return d < bevelWidth + 1 ? mix(face, dark, 0.25) : face;
        }
        constexpr double h = 0.5;
        double gx =
            depth(inside, px + h, py, bevelWidth + 1) - depth(inside, px - h, py, bevelWidth + 1);
        double gy =
            depth(inside, px, py + h, bevelWidth + 1) - depth(inside, px, py - h, bevelWidth + 1);
        double len = std::hypot(gx, gy);
        // The slope faces away from the inside, against the depth gradient.
        double facing = len > 0 ? (-gx * lx - gy * ly) / len : 0.0;
        Rgb slope = facing >= 0 ? mix(face, light, facing) : mix(face, dark, -facing);
        return d < 1.0 ? mix(slope, dark, 0.35) : slope;
    });
    return img;
}

Rgb floorAt(const Palette& pal, int x, int y) {
    Rgb base = pal["floor"];
    double n = stoneNoise(x + 0.5, y + 0.5, tilePixels, floorSeed) - 0.5;
    double speck = hashUnit(x, y, floorSeed + 9) > 0.93 ? 0.08 : 0.0;
    Rgb c = scaled(base, 1.0 + 0.35 * n + speck);
    // Slab joints on the tile's top and left edges, with a lit lip just inside.
    if (x == 0 || y == 0) {
        return mix(c, pal["floor_joint"], 0.6);
    }
    if (x == 1 || y == 1) {
        return scaled(c, 1.12);
    }
    return c;
}

} // namespace

Image makeFloor(const Palette& pal) {
    Image img(tilePixels, tilePixels);
    for (int y = 0; y < tilePixels; ++y) {
        for (int x = 0; x < tilePixels; ++x) {
            img.set(x, y, floorAt(pal, x, y));
        }
    }
    return img;
}

Image makeWall(const Palette& pal, const Image& floor, unsigned joins) {
    return paintBlock(pal, floor, wallShape(joins));
}

Image makePillar(const Palette& pal, const Image& floor) {
    return paintBlock(pal, floor, pillarShape());
}

Image makeDoor(const Palette& pal, const Image& floor) {
    constexpr int barTop = 12;
    constexpr int barBottom = 20; // one past the last row
    constexpr int slatEvery = 8;
    Image img = floor;
    Rgb gate = pal["gate"];
    for (int x = 0; x < tilePixels; ++x) {
        img.blend(x, barBottom, pal["shadow"], 0.5);
        img.blend(x, barBottom + 1, pal["shadow"], 0.25);
        for (int y = barTop; y < barBottom; ++y) {
            Rgb c = gate;
            if (y == barTop) {
                c = pal["gate_light"];
            } else if (y == barBottom - 1) {
                c = pal["gate_dark"];
            } else if (x % slatEvery == slatEvery / 2) {
                c = mix(gate, pal["gate_dark"], 0.6);
            } else if (y == barTop + 1) {
                c = mix(gate, pal["gate_light"], 0.5);
            }
            img.set(x, y, c);
        }
    }
    return img;
}

Image makePanel(const Palette& pal) {
    Image img(tilePixels, tilePixels);
    Rgb base = pal["panel"];
    Rgb ripple = pal["panel_ripple"];
    for (int y = 0; y < tilePixels; ++y) {
        for (int x = 0; x < tilePixels; ++x) {
            // Waves that repeat every tile across, gently bent down the rows.
            double phase = 2 * std::numbers::pi * (2.0 * x / tilePixels) +
                           1.2 * std::sin(2 * std::numbers::pi * y / 16.0);
            double v = 0.5 + 0.5 * std::sin(phase);
            Rgb c = mix(base, ripple, 0.35 * v * v);
            if (y >= tilePixels - 3) {
                c = y == tilePixels - 2 ? pal["panel_trim"] : scaled(base, 0.6);
            }
            img.set(x, y, c);
        }
    }
    return img;
}

Image makeBlankSheet(const Image& panel, int width) {
    Image img(width, panel.height());
    for (int x = 0; x < width; x += panel.width()) {
        img.blit(panel, x, 0);
    }
    return img;
}

namespace {

// A soft round glow about the tile's centre, fading to nothing at the given radius.
void addGlow(Image& img, Rgb colour, double radius, double strength) {
    for (int y = 0; y < tilePixels; ++y) {
        for (int x = 0; x < tilePixels; ++x) {
            double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            if (d < radius) {
                double t = 1.0 - d / radius;
                img.blend(x, y, colour, strength * t * t);
            }
        }
    }
}

} // namespace

Image makeDot(const Palette& pal, const Image& floor, int frame) {
    Image img = floor;
    const double radius = 2.0 + 0.55 * frame;
    const double glow = radius + 3.5;
    addGlow(img, pal["dot_glow"], glow, 0.45);
    Inside orb = [&](double x, double y) { return std::hypot(x - centre, y - centre) <= radius; };
    paintSmooth(img, orb, [&](int x, int y) {
        double hx = x + 0.5 - (centre - radius * 0.35);
        double hy = y + 0.5 - (centre - radius * 0.35);
        double t = std::clamp(std::hypot(hx, hy) / (radius * 1.3), 0.0, 1.0);
        return mix(pal["dot_light"], pal["dot"], t);
    });
    return img;
}

Image makePowerItem(const Palette& pal, const Image& floor, int frame) {
    constexpr double halfWidth = 8.0;
    constexpr double halfHeight = 11.0;
    Image img = floor;
    const double glow = 12.0 + 1.5 * (frame % 2 == 0 ? frame / 2 : 3 - frame / 2);
    addGlow(img, pal["crystal_glow"], glow, 0.6);
    Inside gem = [&](double x, double y) {
        return std::abs(x - centre) / halfWidth + std::abs(y - centre) / halfHeight <= 1.0;
    };
    // The four facets take turns catching the light as the crystal turns.
    paintSmooth(img, gem, [&](int x, int y) {
        double dx = x + 0.5 - centre;
        double dy = y + 0.5 - centre;
        int facet = (dx < 0 ? 0 : 1) + (dy < 0 ? 0 : 2);
        static constexpr int order[4] = {0, 1, 3, 2};
        int lit = order[frame % 4];
        int across = order[(frame + 2) % 4];
        Rgb c = pal["crystal"];
        if (facet == lit) {
            c = pal["crystal_light"];
        } else if (facet == across) {
            c = pal["crystal_dark"];
        }
        if (std::abs(dx) < 1.0 || std::abs(dy) < 0.8) {
            c = mix(c, pal["crystal_light"], 0.5);
        }
        return c;
    });
    // A sparkle that hops around the tip.
    static constexpr int sparkX[4] = {13, 19, 18, 12};
    static constexpr int sparkY[4] = {10, 12, 20, 19};
    int sx = sparkX[frame % 4];
    int sy = sparkY[frame % 4];
    Rgb white = pal["white"];
    img.set(sx, sy, white);
    img.blend(sx - 1, sy, white, 0.6);
    img.blend(sx + 1, sy, white, 0.6);
    img.blend(sx, sy - 1, white, 0.6);
    img.blend(sx, sy + 1, white, 0.6);
    return img;
}
