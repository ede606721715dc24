// Desktop and web icons: the window icon's badge redrawn at each size, with an alpha channel so the
// badge sits round on any menu background.
#include "desktop_icon.h"

#include "characters.h"
#include "image.h"
#include "shapes.h"

#include <stb/stb_image_write.h>

#include <filesystem>
#include <stdexcept>

namespace {

constexpr int rgbaChannels = 4;
// The head is cut from the 32-pixel south-facing sprite, 16 pixels wide, and fills the badge.
constexpr int headWidth = 16;
constexpr int headRows = 17;
constexpr int headLeft = 8;

// The badge alone, and the badge with the head over it: the head is drawn opaque even where
// it reaches past the badge's rim. At 32 pixels the head fills the badge, as on the window
// icon; from 64 pixels on it sits inside it with room to spare.
Image badge(const Palette& pal, int size, const Inside& disc) {
    const double unit = size / 32.0;
    Image img(size, size, magenta);
    fillLit(img, disc, pal["icon_light"], pal["icon_bg"], scaled(pal["icon_bg"], 0.6), 10 * unit,
            10 * unit, 24 * unit);
    return img;
}

Image withHead(const Palette& pal, const Image& plate) {
    const int size = plate.width();
    const Image front = drawPlayer(pal, Facing::South, 1);
    Image head(headWidth, headRows, magenta);
    for (int y = 0; y < headRows; ++y) {
        for (int x = 0; x < headWidth; ++x) {
            head.set(x, y, front.at(headLeft + x, y));
        }
    }
    const int factor = size <= 32 ? size / headWidth : size * 3 / (4 * headWidth);
    const Image big = enlarged(head, factor);
    Image img = plate;
    img.blitKeyed(big, (size - big.width()) / 2, (size - big.height()) / 2 - factor / 2);
    return img;
}

void writeRgbaPng(const Image& plate, const Image& img, const Inside& disc,
                  const std::string& path) {
    std::vector<uint8_t> bytes;
    bytes.reserve(img.pixels().size() * rgbaChannels);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const Rgb c = img.at(x, y);
            // The badge's rim is as opaque as the disc covers the pixel; the head is opaque.
            const bool head = !(c == plate.at(x, y));
            const double alpha = head ? 1.0 : c == magenta ? 0.0 : coverage(disc, x, y);
            bytes.insert(bytes.end(), {c.r, c.g, c.b, static_cast<uint8_t>(alpha * 255 + 0.5)});
        }
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (stbi_write_png(path.c_str(), img.width(), img.height(), rgbaChannels, bytes.data(),
                       img.width() * rgbaChannels) == 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

void writeIcon(const Palette& pal, int size, const std::string& path) {
    const double radius = size / 2.0;
    const Inside disc = ellipse(radius, radius, radius - 0.5, radius - 0.5);
    const Image plate = badge(pal, size, disc);
    writeRgbaPng(plate, withHead(pal, plate), disc, path);
}

} // namespace

void writeDesktopIcons(const Palette& pal, const std::string& dir, const std::string& name) {
    for (int size : desktopIconSizes) {
        const std::string px = std::to_string(size);
        writeIcon(pal, size, dir + "/hicolor/" + px + "x" + px + "/apps/" + name + ".png");
    }
}

void writeWebIcons(const Palette& pal, const std::string& dir) {
    for (int size : webIconSizes) {
        writeIcon(pal, size, dir + "/web/icon-" + std::to_string(size) + ".png");
    }
}
