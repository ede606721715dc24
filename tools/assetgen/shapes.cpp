// Drawing primitives: shape tests (ellipses, boxes, triangles), fills, lighting and mirroring.
#include "shapes.h"

#include <algorithm>
#include <cmath>

Inside ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        double dx = (x - cx) / rx;
        double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

Inside box(double x, double y, double w, double h) {
    return [=](double px, double py) { return px >= x && px < x + w && py >= y && py < y + h; };
}

Inside roundedBox(double x, double y, double w, double h, double radius) {
    return [=](double px, double py) {
        if (px < x || px >= x + w || py < y || py >= y + h) {
            return false;
        }
        double cx = std::clamp(px, x + radius, x + w - radius);
        double cy = std::clamp(py, y + radius, y + h - radius);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
    };
}

Inside triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double px, double py) {
        auto side = [](double x1, double y1, double x2, double y2, double x, double y) {
            return (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1);
        };
        double d1 = side(ax, ay, bx, by, px, py);
        double d2 = side(bx, by, cx, cy, px, py);
        double d3 = side(cx, cy, ax, ay, px, py);
        bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    };
}

void fill(Image& img, const Inside& shape, Rgb colour) {
    paintHard(img, shape, [colour](int, int) { return colour; });
}

void fillLit(Image& img, const Inside& shape, Rgb light, Rgb colour, Rgb dark, double lx, double ly,
             double reach) {
    paintHard(img, shape, [=](int x, int y) {
        double t = std::hypot(x + 0.5 - lx, y + 0.5 - ly) / reach;
        return t < 0.5 ? mix(light, colour, t * 2) : mix(colour, dark, std::min(1.0, t * 2 - 1));
    });
}

Image mirrored(const Image& src) {
    Image out(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            out.set(src.width() - 1 - x, y, src.at(x, y));
        }
    }
    return out;
}
