// The bomb, its two explosion frames and the window icon.
#include "items.h"

#include "noise.h"
#include "shapes.h"

#include <cmath>
#include <numbers>

namespace {
constexpr int tile = 32;
}

Image makeBomb(const Palette& pal) {
    Image img(tile, tile, magenta);
    fillLit(img, ellipse(15, 19, 9.5, 9.5), pal["bomb_light"], pal["bomb"], pal["bomb_dark"], 11,
            15, 17);
    fill(img, ellipse(12, 15, 2, 1.5), pal["white"]);
    fill(img, roundedBox(17, 7, 6, 5, 1), pal["bomb_cap"]);
    // The fuse curls up to the right and ends in a spark.
    static constexpr int fuse[][2] = {{22, 7}, {23, 6}, {24, 5}, {24, 4}, {25, 3}};
    for (auto [x, y] : fuse) {
        img.set(x, y, pal["fuse"]);
    }
    Rgb spark = pal["spark"];
    fill(img, triangle(26, 0.5, 27.5, 3, 24.5, 3), spark);
    fill(img, triangle(26, 5.5, 27.5, 3, 24.5, 3), spark);
    fill(img, box(23.5, 2.5, 5, 1), spark);
    img.set(26, 3, pal["white"]);
    outline(img, pal["ink"]);
    return img;
}

Image makeExplosion(const Palette& pal, int frame) {
    constexpr double centre = 16.0;
    const double radius = frame == 0 ? 13.0 : 14.5;
    const double ragged = frame == 0 ? 2.0 : 3.5;
    const uint32_t seed = 40 + static_cast<uint32_t>(frame);
    Image img(tile, tile, magenta);
    Rgb core = pal["fire_core"];
    Rgb yellow = pal["fire_yellow"];
    Rgb orange = pal["fire_orange"];
    Rgb red = pal["fire_red"];
    Rgb smoke = pal["smoke"];
    paintHard(
        img,
        [&](double x, double y) {
            double a = std::atan2(y - centre, x - centre);
            // Tongues of flame: the edge radius wobbles with the angle.
            double edge = radius + ragged * std::sin(7 * a + frame) +
                          ragged * 0.6 * std::sin(11 * a + 2.0 * frame);
            return std::hypot(x - centre, y - centre) <= std::min(edge, 15.5);
        },
        [&](int x, int y) {
            double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre) / radius;
            double n = valueNoise(x, y, 4, tile, seed) - 0.5;
            double t = d + 0.35 * n;
            if (frame == 1) {
                t += 0.15;
            }
            if (t < 0.25) {
                return core;
            }
            if (t < 0.5) {
                return mix(core, yellow, (t - 0.25) / 0.25);
            }
            if (t < 0.75) {
                return mix(yellow, orange, (t - 0.5) / 0.25);
            }
            if (t < 0.95 || frame == 0) {
                return mix(orange, red, std::min(1.0, (t - 0.75) / 0.25));
            }
            return mix(red, smoke, std::min(1.0, (t - 0.95) / 0.2));
        });
    return img;
}

Image makeIcon(const Palette& pal, const Image& playerFront) {
    constexpr int headRows = 17;
    constexpr int headLeft = 8;
    Image img(tile, tile, pal["panel"]);
    fillLit(img, ellipse(16, 16, 15.5, 15.5), pal["icon_light"], pal["icon_bg"],
            scaled(pal["icon_bg"], 0.6), 10, 10, 24);
    Image head(16, headRows, magenta);
    for (int y = 0; y < headRows; ++y) {
        for (int x = 0; x < 16; ++x) {
            head.set(x, y, playerFront.at(headLeft + x, y));
        }
    }
    Image big = enlarged(head, 2);
    img.blitKeyed(big, 0, -1);
    return img;
}
