// Small shape helpers for drawing the characters and items by hand in code.
#pragma once

#include "image.h"

Inside ellipse(double cx, double cy, double rx, double ry);
// Rectangle covering pixel columns x..x+w-1 and rows y..y+h-1.
Inside box(double x, double y, double w, double h);
Inside roundedBox(double x, double y, double w, double h, double radius);
// Triangle given by its three corners.
Inside triangle(double ax, double ay, double bx, double by, double cx, double cy);

// Fills a shape in one colour with hard edges.
void fill(Image& img, const Inside& shape, Rgb colour);
// Fills a shape lit from the upper left: light near (lx, ly), colour in the middle, dark away.
void fillLit(Image& img, const Inside& shape, Rgb light, Rgb colour, Rgb dark, double lx, double ly,
             double reach);

Image mirrored(const Image& src);
