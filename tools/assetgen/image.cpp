// The in-memory picture the generator draws into.
#include "image.h"

#include <algorithm>
#include <cmath>

namespace {
uint8_t clampByte(double v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
} // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    return {clampByte(a.r + (b.r - a.r) * t), clampByte(a.g + (b.g - a.g) * t),
            clampByte(a.b + (b.b - a.b) * t)};
}

Rgb scaled(Rgb c, double factor) {
    return {clampByte(c.r * factor), clampByte(c.g * factor), clampByte(c.b * factor)};
}

Rgb rgbFromHex(uint32_t hex) {
    return {static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8),
            static_cast<uint8_t>(hex)};
}

Image::Image(int width, int height, Rgb fill)
    : w(width), h(height), px(static_cast<size_t>(width * height), fill) {}

void Image::set(int x, int y, Rgb c) {
    if (contains(x, y)) {
        px[static_cast<size_t>(y * w + x)] = c;
    }
}

void Image::blend(int x, int y, Rgb c, double alpha) {
    if (contains(x, y) && alpha > 0.0) {
        set(x, y, mix(at(x, y), c, std::min(alpha, 1.0)));
    }
}

void Image::fillRect(int x, int y, int width, int height, Rgb c) {
    for (int j = y; j < y + height; ++j) {
        for (int i = x; i < x + width; ++i) {
            set(i, j, c);
        }
    }
}

void Image::blit(const Image& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j) {
        for (int i = 0; i < src.width(); ++i) {
            set(x + i, y + j, src.at(i, j));
        }
    }
}

void Image::blitKeyed(const Image& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j) {
        for (int i = 0; i < src.width(); ++i) {
            if (src.at(i, j) != magenta) {
                set(x + i, y + j, src.at(i, j));
            }
        }
    }
}

double coverage(const Inside& inside, int x, int y, int n) {
    int hits = 0;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            if (inside(x + (i + 0.5) / n, y + (j + 0.5) / n)) {
                ++hits;
            }
        }
    }
    return static_cast<double>(hits) / (n * n);
}

void paintSmooth(Image& img, const Inside& inside, const Shade& shade) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            double c = coverage(inside, x, y);
            if (c > 0.0) {
                img.blend(x, y, shade(x, y), c);
            }
        }
    }
}

void paintHard(Image& img, const Inside& inside, const Shade& shade) {
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (inside(x + 0.5, y + 0.5)) {
                img.set(x, y, shade(x, y));
            }
        }
    }
}

void outline(Image& img, Rgb ink) {
    Image src = img;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (src.at(x, y) != magenta) {
                continue;
            }
            bool touches = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                int nx = x + dx;
                int ny = y + dy;
                if (src.contains(nx, ny) && src.at(nx, ny) != magenta) {
                    touches = true;
                }
            }
            if (touches) {
                img.set(x, y, ink);
            }
        }
    }
}

Image enlarged(const Image& src, int factor) {
    Image out(src.width() * factor, src.height() * factor);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.set(x, y, src.at(x / factor, y / factor));
        }
    }
    return out;
}

Image resized(const Image& src, int width, int height) {
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double sx = std::clamp((x + 0.5) * src.width() / width - 0.5, 0.0, src.width() - 1.0);
            double sy =
                std::clamp((y + 0.5) * src.height() / height - 0.5, 0.0, src.height() - 1.0);
            int x0 = static_cast<int>(sx);
            int y0 = static_cast<int>(sy);
            int x1 = std::min(x0 + 1, src.width() - 1);
            int y1 = std::min(y0 + 1, src.height() - 1);
            double fx = sx - x0;
            double fy = sy - y0;
            Rgb top = mix(src.at(x0, y0), src.at(x1, y0), fx);
            Rgb bottom = mix(src.at(x0, y1), src.at(x1, y1), fx);
            out.set(x, y, mix(top, bottom, fy));
        }
    }
    return out;
}
