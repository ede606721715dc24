// A plain RGB picture in memory and the few drawing operations every generator shares.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// The colour the game treats as "see-through" on keyed pictures.
inline constexpr Rgb magenta{255, 0, 255};

Rgb mix(Rgb a, Rgb b, double t);
Rgb scaled(Rgb c, double factor);
Rgb rgbFromHex(uint32_t hex);

class Image {
  public:
    Image(int width, int height, Rgb fill = Rgb{});
    int width() const { return w; }
    int height() const { return h; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb at(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
    void set(int x, int y, Rgb c);
    // Blends c over the pixel with the given opacity (0..1); outside pixels are ignored.
    void blend(int x, int y, Rgb c, double alpha);
    void fillRect(int x, int y, int width, int height, Rgb c);
    void blit(const Image& src, int x, int y);
    // Copies src, leaving out its magenta pixels.
    void blitKeyed(const Image& src, int x, int y);
    const std::vector<Rgb>& pixels() const { return px; }

  private:
    int w;
    int h;
    std::vector<Rgb> px;
};

using Inside = std::function<bool(double x, double y)>;
using Shade = std::function<Rgb(int x, int y)>;

// Fraction (0..1) of a pixel covered by a shape, sampled on an n x n grid.
double coverage(const Inside& inside, int x, int y, int n = 4);

// Paints a shape with anti-aliased edges: for pictures drawn opaque over the maze.
void paintSmooth(Image& img, const Inside& inside, const Shade& shade);

// Paints a shape with hard edges: for keyed pictures, whose edges must never blend with the
// magenta around them.
void paintHard(Image& img, const Inside& inside, const Shade& shade);

// Gives every non-magenta shape a one-pixel outline of the given colour on its magenta side.
void outline(Image& img, Rgb ink);

// Nearest-neighbour enlargement, used to show sprites big on the screens.
Image enlarged(const Image& src, int factor);

// Resamples a picture to a new size (bilinear), used for the squeezed title.
Image resized(const Image& src, int width, int height);
