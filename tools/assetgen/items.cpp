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
    // The blast shows for only three frames, mostly under the actors: a bold star with a dark
    // rim reads at a glance where a soft fireball melts into the floor. Frame 0 is the white
    // flash with eight long rays, one into each corner; frame 1 the billow that follows,
    // turned half a ray, rounder, with a smoky fringe and sparks flying into the corners.
    constexpr double centre = 16.0;
    const bool flash = frame == 0;
    const double turn = flash ? 0.0 : std::numbers::pi / 8;
    const double body = flash ? 8.5 : 11.0;
    const double reach = flash ? 10.5 : 5.5;
    const double sharpness = flash ? 6.0 : 2.0;
    const uint32_t seed = 40 + static_cast<uint32_t>(frame);
    const auto edgeAt = [&](double angle) {
        return body + reach * std::pow(std::abs(std::cos(4 * (angle - turn))), sharpness);
    };
    Image img(tile, tile, magenta);
    const Rgb core = pal["fire_core"];
    const Rgb yellow = pal["fire_yellow"];
    const Rgb orange = pal["fire_orange"];
    const Rgb red = pal["fire_red"];
    const Rgb smoke = pal["smoke"];
    paintHard(
        img,
        [&](double x, double y) {
            return std::hypot(x - centre, y - centre) <= edgeAt(std::atan2(y - centre, x - centre));
        },
        [&](int x, int y) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const double t = std::hypot(dx, dy) / edgeAt(std::atan2(dy, dx)) +
                             0.25 * (valueNoise(x, y, 4, tile, seed) - 0.5);
            if (flash) {
                return t < 0.35 ? core : t < 0.6 ? yellow : t < 0.85 ? orange : red;
            }
            return t < 0.15 ? core : t < 0.4 ? yellow : t < 0.68 ? orange : t < 0.9 ? red : smoke;
        });
    if (!flash) {
        static constexpr double sparks[][2] = {{3, 3}, {27, 2}, {2, 27}, {28, 27}};
        for (auto [x, y] : sparks) {
            fill(img, box(x, y, 2, 2), yellow);
        }
    }
    outline(img, pal["ink"]);
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
