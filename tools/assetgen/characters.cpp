// The five characters and the two scared looks, frame by frame and heading by heading.
#include "characters.h"

#include "shapes.h"

namespace {

constexpr int spriteSize = 32;

// Leg lift per walking pose: pose 0 steps with the left foot, 2 with the right, 1 between.
constexpr int leftLift[walkFrames] = {2, 0, 0};
constexpr int rightLift[walkFrames] = {0, 0, 2};
// Sideways stride of the near and far foot in profile.
constexpr int stride[walkFrames] = {3, 0, -3};

Image blank() {
    return Image(spriteSize, spriteSize, magenta);
}

void critterFeet(Image& img, Rgb dark, Facing facing, int frame) {
    if (facing == Facing::East) {
        fill(img, ellipse(16 + stride[frame], 27, 3.5, 2.2), dark);
        fill(img, ellipse(16 - stride[frame], 27.5, 3.5, 2.2), scaled(dark, 0.8));
        return;
    }
    fill(img, ellipse(11, 27 - leftLift[frame], 3.5, 2.2), dark);
    fill(img, ellipse(21, 27 - rightLift[frame], 3.5, 2.2), dark);
}

void frontFace(Image& img, const Palette& pal, bool scared, double top) {
    Rgb white = pal["white"];
    Rgb ink = pal["ink"];
    fill(img, ellipse(12, top + 2, 3, 3.5), white);
    fill(img, ellipse(20, top + 2, 3, 3.5), white);
    if (scared) {
        // Small darting pupils, brows up, a wobbly mouth.
        fill(img, box(11.5, top + 2, 1.5, 2), ink);
        fill(img, box(19.5, top + 2, 1.5, 2), ink);
        fill(img, triangle(9, top - 1, 14, top - 3, 14, top - 2), ink);
        fill(img, triangle(23, top - 1, 18, top - 3, 18, top - 2), ink);
        for (int i = 0; i < 4; ++i) {
            fill(img, box(11 + i * 2.5, top + 8 + (i % 2), 2, 1), white);
        }
        return;
    }
    fill(img, box(11, top + 3, 2.5, 2.5), ink);
    fill(img, box(19, top + 3, 2.5, 2.5), ink);
    fill(img, triangle(8.5, top - 2, 15, top + 0.5, 15, top + 1.5), ink);
    fill(img, triangle(23.5, top - 2, 17, top + 0.5, 17, top + 1.5), ink);
    fill(img, box(12, top + 8, 8, 1.2), ink);
    fill(img, triangle(12.5, top + 8.5, 14.5, top + 8.5, 13.5, top + 10.5), white);
    fill(img, triangle(17.5, top + 8.5, 19.5, top + 8.5, 18.5, top + 10.5), white);
}

void sideFace(Image& img, const Palette& pal, bool scared, double top) {
    Rgb white = pal["white"];
    Rgb ink = pal["ink"];
    fill(img, ellipse(17, top + 2, 2.6, 3.3), white);
    fill(img, ellipse(23, top + 2, 2.6, 3.3), white);
    if (scared) {
        fill(img, box(17.5, top + 1.5, 1.5, 2), ink);
        fill(img, box(23.5, top + 1.5, 1.5, 2), ink);
        fill(img, triangle(14.5, top - 1, 19, top - 3, 19, top - 2), ink);
        for (int i = 0; i < 3; ++i) {
            fill(img, box(18 + i * 2.2, top + 8 + (i % 2), 2, 1), white);
        }
        return;
    }
    // Pupils pressed to the front of the eyes: it looks where it goes.
    fill(img, box(18.5, top + 2, 1.8, 2.5), ink);
    fill(img, box(24.5, top + 2, 1.5, 2.5), ink);
    fill(img, triangle(14, top - 2, 26, top + 0.5, 26, top - 0.5), ink);
    fill(img, box(19, top + 8, 6, 1.2), ink);
    fill(img, triangle(21, top + 8.5, 23, top + 8.5, 22, top + 10.5), white);
}

void sweatDrop(Image& img, const Palette& pal, Facing facing) {
    double x = facing == Facing::East ? 7 : 26;
    fill(img, ellipse(x, 10, 1.5, 2), pal["sweat"]);
    fill(img, triangle(x - 1.2, 9.5, x + 1.2, 9.5, x, 6.5), pal["sweat"]);
}

} // namespace

Image drawCritter(const Palette& pal, const std::string& look, bool scared, Facing facing,
                  int frame) {
    if (facing == Facing::West) {
        return mirrored(drawCritter(pal, look, scared, Facing::East, frame));
    }
    bool side = facing == Facing::East;
    Rgb body = pal[look + "_body"];
    Rgb light = pal[look + "_light"];
    Rgb dark = pal[look + "_dark"];
    Image img = blank();
    // The middle pose bobs up a pixel, so the walk reads even from the front.
    double bob = frame == 1 ? -1.0 : 0.0;
    double cx = side ? 15.0 : 16.0;
    critterFeet(img, dark, side ? Facing::East : Facing::South, frame);
    // Two horns, a round body and a paler belly.
    double hornShift = side ? 1.5 : 0.0;
    fill(img, triangle(8 + hornShift, 9 + bob, 12 + hornShift, 6 + bob, 8 + hornShift, 2 + bob),
         dark);
    fill(img, triangle(24 + hornShift, 9 + bob, 20 + hornShift, 6 + bob, 24 + hornShift, 2 + bob),
         dark);
    fillLit(img, ellipse(cx, 15.5 + bob, 11.5, 10.5), light, body, dark, cx - 5, 8 + bob, 20);
    Rgb belly = mix(body, pal["white"], 0.35);
    fill(img, ellipse(side ? cx + 3 : cx, 21 + bob, side ? 5.5 : 6.5, 3.5), belly);
    if (side) {
        sideFace(img, pal, scared, 10 + bob);
    } else {
        frontFace(img, pal, scared, 10 + bob);
    }
    if (scared) {
        sweatDrop(img, pal, side ? Facing::East : Facing::South);
    }
    outline(img, pal["ink"]);
    return img;
}

namespace {

void playerLegs(Image& img, const Palette& pal, Facing facing, int frame) {
    Rgb trousers = pal["trousers"];
    Rgb boots = pal["boots"];
    if (facing == Facing::East) {
        int front = stride[frame];
        // Far leg first, so the near leg overlaps it.
        fill(img, box(14 - front, 23, 3, 4), scaled(trousers, 0.8));
        fill(img, box(13 - front, 27, 5, 2.5), scaled(boots, 0.8));
        fill(img, box(15 + front, 23, 3, 4), trousers);
        fill(img, box(15 + front, 27, 5, 2.5), boots);
        return;
    }
    fill(img, box(11, 23, 4, 5 - leftLift[frame]), trousers);
    fill(img, box(10.5, 28 - leftLift[frame], 5, 2.5), boots);
    fill(img, box(17, 23, 4, 5 - rightLift[frame]), trousers);
    fill(img, box(16.5, 28 - rightLift[frame], 5, 2.5), boots);
}

void playerHat(Image& img, const Palette& pal, double bob, double shift) {
    Rgb hat = pal["hat"];
    Rgb hatDark = pal["hat_dark"];
    fill(img, roundedBox(10 + shift, 1 + bob, 12, 7, 3), hat);
    fill(img, box(10 + shift, 6 + bob, 12, 1.5), pal["hat_band"]);
    fill(img, ellipse(16 + shift * 1.6, 8.5 + bob, 11, 2.3), hatDark);
    fill(img, ellipse(16 + shift * 1.6, 8 + bob, 10.5, 1.6), hat);
}

} // namespace

Image drawPlayer(const Palette& pal, Facing facing, int frame) {
    if (facing == Facing::West) {
        return mirrored(drawPlayer(pal, Facing::East, frame));
    }
    Image img = blank();
    double bob = frame == 1 ? -1.0 : 0.0;
    Rgb skin = pal["skin"];
    Rgb shirt = pal["shirt"];
    Rgb pack = pal["pack"];
    Rgb ink = pal["ink"];
    playerLegs(img, pal, facing, frame);
    if (facing == Facing::East) {
        // Backpack behind, body, swinging arm, head in profile.
        fill(img, roundedBox(6, 14 + bob, 7, 10, 2), pack);
        fill(img, box(6, 17 + bob, 7, 1.2), pal["pack_dark"]);
        fill(img, roundedBox(11, 15 + bob, 10, 9, 2), shirt);
        fill(img, box(11, 21 + bob, 10, 1.5), pal["belt"]);
        int swing = stride[frame];
        fill(img, roundedBox(15 - swing, 16 + bob, 3, 6, 1), scaled(shirt, 0.85));
        fill(img, ellipse(16.5 - swing, 22.5 + bob, 1.7, 1.7), skin);
        fill(img, ellipse(17, 11 + bob, 5.5, 5), skin);
        fill(img, box(21, 11 + bob, 2, 2), skin);
        fill(img, box(19, 10 + bob, 1.5, 2.5), ink);
        fill(img, box(19, 14 + bob, 3, 1), pal["mouth"]);
        fill(img, box(12, 9 + bob, 3, 5), pal["hair"]);
        playerHat(img, pal, bob, 1.0);
    } else if (facing == Facing::South) {
        fill(img, roundedBox(10, 15 + bob, 12, 9, 2), shirt);
        fill(img, box(12, 15 + bob, 1.5, 6), pal["pack_dark"]);
        fill(img, box(18.5, 15 + bob, 1.5, 6), pal["pack_dark"]);
        fill(img, box(10, 21 + bob, 12, 1.5), pal["belt"]);
        fill(img, box(15, 21 + bob, 2, 1.5), pal["buckle"]);
        int swing = frame == 1 ? 0 : (frame == 0 ? 1 : -1);
        fill(img, roundedBox(7, 16 + bob + swing, 3, 6, 1), shirt);
        fill(img, roundedBox(22, 16 + bob - swing, 3, 6, 1), shirt);
        fill(img, ellipse(8.5, 22.5 + bob + swing, 1.7, 1.7), skin);
        fill(img, ellipse(23.5, 22.5 + bob - swing, 1.7, 1.7), skin);
        fill(img, ellipse(16, 11 + bob, 6, 5), skin);
        fill(img, box(13, 10 + bob, 1.5, 2.5), ink);
        fill(img, box(17.5, 10 + bob, 1.5, 2.5), ink);
        fill(img, box(11.5, 13 + bob, 1.5, 1), pal["cheek"]);
        fill(img, box(19, 13 + bob, 1.5, 1), pal["cheek"]);
        fill(img, box(14.5, 14 + bob, 3, 1), pal["mouth"]);
        playerHat(img, pal, bob, 0.0);
    } else {
        // From behind: the big backpack hides the shirt.
        int swing = frame == 1 ? 0 : (frame == 0 ? -1 : 1);
        fill(img, roundedBox(7, 16 + bob + swing, 3, 6, 1), shirt);
        fill(img, roundedBox(22, 16 + bob - swing, 3, 6, 1), shirt);
        fill(img, ellipse(8.5, 22.5 + bob + swing, 1.7, 1.7), skin);
        fill(img, ellipse(23.5, 22.5 + bob - swing, 1.7, 1.7), skin);
        fill(img, roundedBox(10, 15 + bob, 12, 9, 2), shirt);
        fill(img, roundedBox(10.5, 14 + bob, 11, 10, 2), pack);
        fill(img, box(10.5, 17 + bob, 11, 1.5), pal["pack_dark"]);
        fill(img, roundedBox(13, 19 + bob, 6, 4, 1), pal["pack_light"]);
        fill(img, ellipse(16, 11 + bob, 6, 5), pal["hair"]);
        playerHat(img, pal, bob, 0.0);
    }
    outline(img, ink);
    return img;
}
