// Deterministic noise for textures.
#include "noise.h"

#include <cmath>

namespace {
int wrap(int v, int n) {
    return ((v % n) + n) % n;
}
double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}
} // namespace

double hashUnit(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / static_cast<double>(0x1000000);
}

double valueNoise(double x, double y, int cell, int period, uint32_t seed) {
    int cells = period / cell;
    double gx = x / cell;
    double gy = y / cell;
    int x0 = static_cast<int>(std::floor(gx));
    int y0 = static_cast<int>(std::floor(gy));
    double fx = smooth(gx - x0);
    double fy = smooth(gy - y0);
    auto corner = [&](int i, int j) {
        return hashUnit(wrap(x0 + i, cells), wrap(y0 + j, cells), seed);
    };
    double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * fx;
    double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * fx;
    return top + (bottom - top) * fy;
}

double stoneNoise(double x, double y, int period, uint32_t seed) {
    return 0.5 * valueNoise(x, y, 8, period, seed) + 0.3 * valueNoise(x, y, 4, period, seed + 1) +
           0.2 * valueNoise(x, y, 2, period, seed + 2);
}
